#pragma once

#include "engines/SiteEngine.h"

#include <QWidget>
#include <vector>

class QCheckBox;
class QPushButton;
class SiteEngineBinder;

// "E-mail": the addresses, subjects and bodies of the submission mails and what goes with them.
class SiteEmailPage : public QWidget {
    Q_OBJECT
public:
    SiteEmailPage(SiteEngineBinder& binder, QWidget* parent = nullptr);

    QPushButton* defaultNewButton() const { return m_defaultNew; }
    QPushButton* defaultUpdateButton() const { return m_defaultUpdate; }

Q_SIGNALS:
    void testScriptRequested(SiteEngine::Script script);

private:
    QWidget* buildTop();
    QWidget* buildAddresses();
    QWidget* buildScripts();
    QWidget* buildAttachments(QWidget* parent);
    QPushButton* button(const QString& caption, const char* name, QWidget* parent);

    SiteEngineBinder& m_binder;
    QCheckBox* m_use = nullptr;
    QPushButton* m_defaultNew = nullptr;
    QPushButton* m_defaultUpdate = nullptr;
    std::vector<QWidget*> m_governed;
};
