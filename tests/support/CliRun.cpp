#include "support/CliRun.h"

#include "support/FileSizeLimit.h"
#include "support/TempWorkspace.h"

#include <QProcess>

namespace {

CliRun finish(QProcess& p) {
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

QStringList inside(const TempWorkspace& ws, const QStringList& args) {
    return QStringList{QStringLiteral("--workspace"), ws.dir()} + args;
}

} // namespace

QString CliRun::programPath(const QString& name) {
    return QStringLiteral(SHIPKIT_BIN_DIR) + u'/' + name;
}

CliRun CliRun::shipkitCli(const QStringList& args) {
    QProcess p;
    p.start(programPath(QStringLiteral("shipkit-cli")), args);
    return finish(p);
}

CliRun CliRun::inWorkspace(const TempWorkspace& ws, const QStringList& args) {
    return shipkitCli(inside(ws, args));
}

CliRun CliRun::withFileSizeLimit(const TempWorkspace& ws, qint64 maxFileBytes,
                                 const QStringList& args) {
    QProcess p;
    p.setChildProcessModifier([maxFileBytes] { FileSizeLimit::applyForGood(maxFileBytes); });
    p.start(programPath(QStringLiteral("shipkit-cli")), inside(ws, args));
    return finish(p);
}
