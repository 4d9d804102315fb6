#pragma once

#include "engines/SiteEngine.h"

#include <QWidget>
#include <vector>

class QCheckBox;
class QGridLayout;
class QPushButton;
class SiteEngineBinder;

// "HTTP Post": whether and how the site takes a form, the two post URLs and their one-line
// scripts, and the way to the field translations.
class SiteHttpPage : public QWidget {
    Q_OBJECT
public:
    SiteHttpPage(SiteEngineBinder& binder, QWidget* parent = nullptr);

    QPushButton* matchUpButton() const { return m_matchUp; }

Q_SIGNALS:
    void testScriptRequested(SiteEngine::Script script);

private:
    QWidget* buildTop();
    QWidget* buildScripts();
    void addScript(QGridLayout* grid, int row, const char* url, const char* urlKey,
                   const QString& caption, const char* memo, const char* test);

    SiteEngineBinder& m_binder;
    QCheckBox* m_use = nullptr;
    QPushButton* m_matchUp = nullptr;
    std::vector<QWidget*> m_editors;
};
