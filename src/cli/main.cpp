#include "CliApp.h"
#include "base/LocalTimeZone.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>
#include <exception>

int main(int argc, char** argv) {
    LocalTimeZone::pin();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Shipkit"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    try {
        CliApp cli(out, err);
        return cli.run(QCoreApplication::arguments(), QCoreApplication::applicationDirPath());
    } catch (const std::exception& e) {
        err << e.what() << Qt::endl;
        return CliApp::Failed;
    }
}
