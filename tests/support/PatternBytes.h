#pragma once

#include <QByteArray>

// Bytes that differ from one position to the next and repeat only rarely, so a transfer that
// drops, doubles or reorders a block compares unequal.
QByteArray patternBytes(qsizetype size, int seed = 13);
