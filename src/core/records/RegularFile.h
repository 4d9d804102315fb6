#pragma once

#include <QByteArray>
#include <QString>

// Reads a whole file of the workspace. Only a regular file is read: a FIFO would hang the
// program and a device such as /dev/zero would feed it bytes without end.
namespace RegularFile {

enum class Outcome { Read, CannotOpen, NotRegular };

struct Contents {
    Outcome outcome = Outcome::CannotOpen;
    QByteArray bytes;
    QString reason; // what the system said, or "Not a regular file"
};

Contents read(const QString& path);

} // namespace RegularFile
