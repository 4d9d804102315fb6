#pragma once

#include <QByteArray>
#include <QString>

// A form value as the partner site's form body carries it: everything that could end the
// value or the body, or that is no plain ASCII, is percent-encoded (as UTF-8), so a name with
// "&" or "=" cannot add fields of its own. Spaces stay as they are, as the site has always
// received them.
namespace FormEncoding {
QByteArray value(const QString& text);
} // namespace FormEncoding
