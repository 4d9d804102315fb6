#include "gui/scripts/TDefaultScriptFrm.h"

#include "base/Prompter.h"
#include "gui/shell/Guarded.h"
#include "scripts/DefaultScripts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <exception>

TDefaultScriptFrm::TDefaultScriptFrm(const Workspace& workspace, Prompter& prompter,
                                     SiteEngine::Script script, QWidget* parent)
    : QDialog(parent), m_workspace(workspace), m_prompter(prompter), m_script(script),
      m_heading(new QLabel(DefaultScripts::heading(script), this)),
      m_memo(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("DefaultScriptFrm"));
    setWindowTitle(QStringLiteral("Default Script:"));
    setModal(true);
    m_heading->setObjectName(QStringLiteral("HeadingPanel"));
    m_heading->setAlignment(Qt::AlignCenter);
    m_heading->setFrameShape(QFrame::Panel);
    m_memo->setObjectName(QStringLiteral("ScriptMemo"));
    m_memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto* save = new QPushButton(QStringLiteral("Save Script"), this);
    save->setObjectName(QStringLiteral("SaveScriptBtn"));
    connect(save, &QPushButton::clicked, this,
            guarded(m_prompter, std::bind_front(&TDefaultScriptFrm::SaveScriptClick, this)));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_heading);
    layout->addWidget(m_memo);
    layout->addLayout(buttons);
    resize(560, 420);
}

void TDefaultScriptFrm::loadScript() {
    const DefaultScripts scripts(m_workspace);
    if (!scripts.exists(m_script)) {
        m_prompter.beep(Prompter::Sound::Default);
        m_prompter.errorDialog(QStringLiteral("Default Script File Not Found!"));
        return;
    }
    try {
        m_memo->setPlainText(scripts.load(m_script));
    } catch (const std::exception& e) {
        m_prompter.handlerError(QString::fromUtf8(e.what()));
    }
}

QString TDefaultScriptFrm::heading() const {
    return m_heading->text();
}

QString TDefaultScriptFrm::scriptText() const {
    return m_memo->toPlainText();
}

void TDefaultScriptFrm::setScriptText(const QString& text) {
    m_memo->setPlainText(text);
}

void TDefaultScriptFrm::SaveScriptClick() {
    try {
        DefaultScripts(m_workspace).save(m_script, m_memo->toPlainText());
    } catch (const std::exception& e) {
        // The edits stay in the open editor so nothing typed is lost.
        m_prompter.handlerError(QString::fromUtf8(e.what()));
        return;
    }
    accept();
}

void TDefaultScriptFrm::edit(const Workspace& workspace, Prompter& prompter,
                             SiteEngine::Script script, QWidget* parent) {
    TDefaultScriptFrm window(workspace, prompter, script, parent);
    window.loadScript();
    window.exec();
}

void TDefaultScriptFrm::addMenuItems(QMenu* fileMenu, const Workspace& workspace,
                                     Prompter& prompter, QWidget* parent) {
    const auto add = [&](QMenu* menu, const char* text, const char* name,
                         SiteEngine::Script script) {
        QAction* action = menu->addAction(QString::fromLatin1(text));
        action->setObjectName(QString::fromLatin1(name));
        QObject::connect(
            action, &QAction::triggered, parent,
            [&workspace, &prompter, script, parent] { edit(workspace, prompter, script, parent); });
    };
    add(fileMenu, "Default FTP Script", "Mnu_DefaultFTPScript", SiteEngine::FtpNew);
    QMenu* email = fileMenu->addMenu(QStringLiteral("Default Email Scripts"));
    email->setObjectName(QStringLiteral("Mnu_DefaultEMAILScripts"));
    email->menuAction()->setObjectName(QStringLiteral("Mnu_DefaultEMAILScripts"));
    add(email, "New", "Mnu_DefaultEMAILScript_NEW", SiteEngine::EmailNew);
    add(email, "Update", "Mnu_DefaultEMAILScript_Update", SiteEngine::EmailUpdate);
}
