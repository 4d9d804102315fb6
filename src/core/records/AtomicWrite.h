#pragma once

#include <QByteArray>
#include <QString>

// Writes beside the target and renames, so a crash or a full disk never leaves a torn file:
// every write is checked and the data synced before the rename, and on any failure the
// target is left as it was. Refuses a target that exists but is not a regular file or may
// not be written, as the rename would bypass its mode.
// Returns an empty text when the file was written, otherwise the reason it was not.
QString writeFileAtomically(const QString& path, const QByteArray& bytes);
