#include "gui/scripts/TScriptCheckFrm.h"

#include "engines/TEngBuild.h"
#include "scripts/ExpansionContext.h"
#include "scripts/ScriptChecker.h"
#include "shell/Session.h"
#include "shell/TGWide.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TScriptCheckFrm::TScriptCheckFrm(const QString& result, QWidget* parent)
    : QDialog(parent), m_memo(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("ScriptCheckFrm"));
    setWindowTitle(QStringLiteral("Script Check"));
    setModal(true);
    m_memo->setObjectName(QStringLiteral("ResultMemo"));
    m_memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_memo->setPlainText(result);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_memo);
    layout->addLayout(buttons);
    resize(560, 400);
}

QString TScriptCheckFrm::resultText() const {
    return m_memo->toPlainText();
}

TScriptCheckFrm* TScriptCheckFrm::make(Session& session, SiteEngine::Script script,
                                       QWidget* parent) {
    TEngBuild& engines = *session.gwide().engBuild();
    const ExpansionContext context = session.expansionContext();
    const QString result =
        ScriptChecker(engines, context).testScript(engines.current().scripts[script]);
    return new TScriptCheckFrm(result, parent);
}

void TScriptCheckFrm::testScript(Session& session, SiteEngine::Script script, QWidget* parent) {
    TScriptCheckFrm* window = make(session, script, parent);
    window->exec();
    delete window;
}
