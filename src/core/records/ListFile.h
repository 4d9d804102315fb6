#pragma once

#include <QString>
#include <QStringList>

// List files: one item per line. Lines end at CR LF, a lone LF or a lone CR; a line end
// at the very end makes no empty last item.
QStringList splitLines(const QString& text);

// Raises "Cannot open file %s" when the file cannot be read; a NUL byte ends the text.
void LoadList(const QString& path, QStringList& target);
QStringList LoadList(const QString& path);

// Every item followed by CR LF; raises "Cannot create file %s" when a new file cannot be
// written, "Unable to write to %s" when an existing one cannot, each with the reason.
void SaveList(const QStringList& list, const QString& path);

// The bytes SaveList writes for a list.
QByteArray listFileBytes(const QStringList& list);
