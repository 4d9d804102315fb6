#pragma once

#include "engines/SiteEngine.h"

#include <QWidget>
#include <vector>

class QCheckBox;
class QPushButton;
class SiteEngineBinder;

// "FTP Upload": the upload server and login, the zip and file name rules, and the added text
// file with its script.
class SiteFtpPage : public QWidget {
    Q_OBJECT
public:
    SiteFtpPage(SiteEngineBinder& binder, QWidget* parent = nullptr);

    QPushButton* defaultScriptButton() const { return m_default; }

Q_SIGNALS:
    void testScriptRequested(SiteEngine::Script script);

private:
    QWidget* buildTop();
    QWidget* buildServer();
    QWidget* buildScript();
    QWidget* buildAddedText(QWidget* parent);
    void zipClicked(bool on);
    void zipChoiceClicked();

    SiteEngineBinder& m_binder;
    QCheckBox* m_use = nullptr;
    QCheckBox* m_zip = nullptr;
    QPushButton* m_default = nullptr;
    std::vector<QWidget*> m_governed;
};
