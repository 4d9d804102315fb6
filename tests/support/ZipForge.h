#pragma once

#include <QByteArray>
#include <QString>

// Builds a test archive with ZipForge.py: code calls its helpers (add, link, zeros), as
// "add('Sites.dat', b'A\r\n'); link('x', '/etc')". False when the script failed.
bool forgeZip(const QString& out, const QByteArray& code);
