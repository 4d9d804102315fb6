#include "support/CliRun.h"

#include "support/TempWorkspace.h"

#include <QProcess>

QString CliRun::programPath(const QString& name) {
    return QStringLiteral(SHIPKIT_BIN_DIR) + u'/' + name;
}

CliRun CliRun::shipkitCli(const QStringList& args) {
    QProcess p;
    p.start(programPath(QStringLiteral("shipkit-cli")), args);
    CliRun r;
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

CliRun CliRun::inWorkspace(const TempWorkspace& ws, const QStringList& args) {
    return shipkitCli(QStringList{QStringLiteral("--workspace"), ws.dir()} + args);
}
