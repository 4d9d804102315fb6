#pragma once

#include "base/Clock.h"
#include "gui/shell/QtPrompter.h"
#include "shell/Session.h"
#include "shell/TGWide.h"

#include <memory>

class TMainFrm;
class TSplashForm;

// Start-up of the desktop program: splash, windows in order, the workspace load, the
// splash's minimum time. The caller shows the main window and runs the message loop.
class ShipkitApp {
public:
    explicit ShipkitApp(const QString& programDir, Prompter* prompter = nullptr);
    ~ShipkitApp();

    // False when any step failed; the caller then says "Unable to initialize Shipkit!".
    bool start();

    TMainFrm* mainWindow() const { return m_main.get(); }
    Session& session() { return m_session; }
    TGWide& gwide() { return m_gwide; }
    bool InitOk() const { return m_initOk; }

private:
    QtPrompter m_qtPrompter;
    SystemClock m_clock;
    TGWide m_gwide;
    Session m_session;
    std::unique_ptr<TMainFrm> m_main;
    bool m_initOk = true;
};
