#include "gui/shell/ShipkitApp.h"
#include "gui/shell/ShipkitApplication.h"
#include "gui/shell/TMainFrm.h"
#include "shell/SingleInstance.h"
#include "shell/WorkspaceLocator.h"

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
    ShipkitApplication app(argc, argv);
    const auto located =
        WorkspaceLocator::locate(workspaceOption(app), QApplication::applicationDirPath());
    if (located.programDir.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(located.error));
        QMessageBox::critical(nullptr, QStringLiteral("Shipkit"), located.error);
        return 1;
    }
    SingleInstance instance(located.programDir);
    if (instance.activateRunningCopy())
        return 0;
    instance.listen();
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
