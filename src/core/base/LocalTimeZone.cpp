#include "base/LocalTimeZone.h"

#include <QByteArray>
#include <QtGlobal>

namespace LocalTimeZone {

void pin() {
    // The leading colon makes this the zone file the C library reads when TZ is unset.
    if (!qEnvironmentVariableIsSet("TZ"))
        qputenv("TZ", QByteArrayLiteral(":/etc/localtime"));
}

} // namespace LocalTimeZone
