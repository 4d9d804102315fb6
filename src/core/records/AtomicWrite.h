#pragma once

#include <QByteArray>
#include <QString>

// Writes beside the target and renames, so a crash or a full disk never leaves a torn file.
// Refuses a target that exists but may not be written, as the rename would bypass its mode.
// Returns an empty text when the file was written, otherwise the reason it was not.
QString writeFileAtomically(const QString& path, const QByteArray& bytes);
