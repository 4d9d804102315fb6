#pragma once

#include "engines/SiteEngine.h"

#include <QDialog>

class QPlainTextEdit;
class Session;

// "Script Check": what one script of the site builder expands to in check mode.
class TScriptCheckFrm : public QDialog {
    Q_OBJECT
public:
    explicit TScriptCheckFrm(const QString& result, QWidget* parent = nullptr);

    QString resultText() const;

    // The window for one of the builder's five scripts, with the site shown in the builder
    // and the current company and application, edits included.
    static TScriptCheckFrm* make(Session& session, SiteEngine::Script script,
                                 QWidget* parent = nullptr);
    // The "Test Script" buttons: shown modally, discarded when closed.
    static void testScript(Session& session, SiteEngine::Script script, QWidget* parent = nullptr);

private:
    QPlainTextEdit* m_memo;
};
