#pragma once

#include "engines/SiteEngine.h"

#include <QDialog>

class QLabel;
class QMenu;
class QPlainTextEdit;
class Prompter;
struct Workspace;

// "Default Script:": edits one of the three stock scripts in data/.
class TDefaultScriptFrm : public QDialog {
    Q_OBJECT
public:
    TDefaultScriptFrm(const Workspace& workspace, Prompter& prompter, SiteEngine::Script script,
                      QWidget* parent = nullptr);

    // Loads the file, or beeps and says it is missing; the editor then stays empty.
    void loadScript();
    QString heading() const;
    QString scriptText() const;
    void setScriptText(const QString& text);

    // Made for one file, shown modally and freed when closed.
    static void edit(const Workspace& workspace, Prompter& prompter, SiteEngine::Script script,
                     QWidget* parent = nullptr);
    // "Default FTP Script" and the "Default Email Scripts" submenu with "New" and "Update".
    static void addMenuItems(QMenu* fileMenu, const Workspace& workspace, Prompter& prompter,
                             QWidget* parent);

public Q_SLOTS:
    void SaveScriptClick();

private:
    const Workspace& m_workspace;
    Prompter& m_prompter;
    SiteEngine::Script m_script;
    QLabel* m_heading;
    QPlainTextEdit* m_memo;
};
