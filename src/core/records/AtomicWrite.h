#pragma once

#include <QByteArray>
#include <QString>

// Writes beside the target and renames, so a crash or a full disk never leaves a torn file.
// Refuses a target that exists but may not be written, as the rename would bypass its mode.
bool writeFileAtomically(const QString& path, const QByteArray& bytes);
