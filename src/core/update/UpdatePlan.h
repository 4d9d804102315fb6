#pragma once

#include <QString>
#include <QStringList>
#include <vector>

struct Workspace;

// Where each unpacked file goes: category lists (".cat" in the name) into cat/, everything else
// into sites/, the built-in site list under the name the program reads ("Sites.dat"). The
// archive itself and the user's own site list are never installed.
class UpdatePlan {
public:
    struct Item {
        QString source; // the unpacked file
        QString folder; // the target folder, with a trailing "/"
        QString name;   // the installed file's name
        QString shown;  // "sites/NAME" or "cat/NAME"
    };

    // names: the files in the updates folder. Raises ShipkitError when a name cannot be
    // installed or nothing is left to install.
    UpdatePlan(const QString& updatesDir, const QStringList& names, const Workspace& paths);

    const std::vector<Item>& items() const { return m_items; }
    const QStringList& passedOver() const { return m_passedOver; }

private:
    void place(const QString& updatesDir, const QString& name, const Workspace& paths);

    std::vector<Item> m_items;
    std::vector<Item> m_categories;
    QStringList m_passedOver;
};
