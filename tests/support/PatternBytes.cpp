#include "support/PatternBytes.h"

QByteArray patternBytes(qsizetype size, int seed) {
    QByteArray bytes(size, '\0');
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * seed) ^ (i >> 10));
    return bytes;
}
