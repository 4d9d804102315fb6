#include "base/LocalTimeZone.h"
#include "gui/shell/ShipkitApp.h"
#include "gui/shell/ShipkitApplication.h"
#include "gui/shell/TMainFrm.h"
#include "shell/DesktopStart.h"
#include "shell/SingleInstance.h"
#include "shell/WorkspaceLocator.h"
#include "shell/WorkspaceLock.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>
#include <cstdio>

namespace {

QString workspaceOption(const ShipkitApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Submits your applications to download sites."));
    parser.addHelpOption();
    parser.addOption({QStringLiteral("workspace"), QStringLiteral("The workspace folder."),
                      QStringLiteral("DIR")});
    parser.process(app);
    return parser.value(QStringLiteral("workspace"));
}

} // namespace

int main(int argc, char** argv) {
    LocalTimeZone::pin();
    ShipkitApplication app(argc, argv);
    const auto located =
        WorkspaceLocator::locate(workspaceOption(app), QApplication::applicationDirPath());
    if (located.programDir.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(located.error));
        QMessageBox::critical(nullptr, QStringLiteral("Shipkit"), located.error);
        return 1;
    }
    SingleInstance instance(located.programDir);
    // Held until the program ends, so no command-line writer changes files under the window.
    WorkspaceLock lock(located.programDir);
    switch (DesktopStart(instance, lock).enter()) {
    case DesktopStart::Outcome::Activated:
        return 0;
    case DesktopStart::Outcome::Refused:
        std::fprintf(stderr, "%s\n", qPrintable(lock.refusal()));
        QMessageBox::critical(nullptr, QStringLiteral("Shipkit"), lock.refusal());
        return 1;
    case DesktopStart::Outcome::First:
        break;
    }
    // A later start may knock while this one is still loading: answer once the window shows.
    TMainFrm* window = nullptr;
    bool activatePending = false;
    QObject::connect(&instance, &SingleInstance::activateRequested, [&] {
        if (window)
            window->ActivateMessage();
        else
            activatePending = true;
    });

    ShipkitApp shipkit(located.programDir);
    if (!shipkit.start()) {
        QMessageBox::information(nullptr, QStringLiteral("Shipkit"),
                                 QStringLiteral("Unable to initialize Shipkit!"));
        return 1;
    }
    shipkit.mainWindow()->show();
    window = shipkit.mainWindow();
    if (activatePending)
        window->ActivateMessage();
    return QApplication::exec();
}
