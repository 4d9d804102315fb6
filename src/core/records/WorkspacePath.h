#pragma once

#include <QString>

// The files of a workspace lie inside it once links are followed: a link in the workspace must
// not lead a read or a write to a file elsewhere.
namespace WorkspacePath {
// The path itself when its file (or, for a file not there yet, the folder it would go in) lies
// inside the root; raises ShipkitError naming the file otherwise.
QString inside(const QString& root, const QString& path);
} // namespace WorkspacePath
