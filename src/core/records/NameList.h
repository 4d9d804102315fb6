#pragma once

#include <QString>
#include <QStringList>

class Prompter;

// A list file of names that become file names: the company list, an application list, the
// engine lists. A name that breaks the name rule would lead reads and writes outside the
// workspace, so it is left out with one message naming it, and the rest still loads.
namespace NameList {
// Raises ShipkitError as LoadList does when the file cannot be read. Blank lines are no names
// and are passed over.
QStringList load(const QString& path, Prompter& prompter);
} // namespace NameList
