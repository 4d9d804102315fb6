#include "gui/shell/ShipkitApp.h"

#include "gui/shell/TMainFrm.h"
#include "gui/shell/TSplashForm.h"

#include <QApplication>
#include <exception>
#include <memory>

ShipkitApp::ShipkitApp(const QString& programDir, Prompter* prompter)
    : m_gwide(programDir), m_session(m_gwide, prompter ? *prompter : m_qtPrompter, m_clock) {}

ShipkitApp::~ShipkitApp() = default;

bool ShipkitApp::start() {
    m_initOk = true;
    auto splash = std::make_unique<TSplashForm>();
    splash->show();
    splash->repaint();
    QApplication::processEvents();
    try {
        // The pages show the engine lists, so the objects that hold them come first.
        m_initOk = m_gwide.CreateEngineObjects();
        if (m_initOk)
            m_main = std::make_unique<TMainFrm>(m_session, m_qtPrompter);
    } catch (const std::exception&) {
        m_initOk = false;
    }
    if (m_initOk)
        m_initOk = m_session.LoadWorkspace();
    splash->waitForMinimum();
    if (!m_initOk)
        return false;
    m_main->setSplash(std::move(splash));
    return true;
}
