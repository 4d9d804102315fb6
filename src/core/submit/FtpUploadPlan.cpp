#include "submit/FtpUploadPlan.h"

#include "engines/SiteEngine.h"
#include "records/ApplicationRecord.h"
#include "submit/FtpFileName.h"

#include <QFileInfo>

namespace {

// The extension with its dot, as the name shows it; empty when there is none.
QString dottedSuffix(const QString& name) {
    const QString suffix = QFileInfo(name).suffix();
    return suffix.isEmpty() ? QString() : u'.' + suffix;
}

// The published name; an application without one publishes its file under the file's name.
QString publishedName(const ApplicationRecord& app) {
    const QString name = app.value(QStringLiteral("FILENAME"));
    return name.isEmpty() ? QFileInfo(app.value(QStringLiteral("PATH"))).fileName() : name;
}

} // namespace

FtpUploadPlan FtpUploadPlan::make(const SiteEngine& engine, const ApplicationRecord& app,
                                  const QString& filesDir) {
    FtpUploadPlan plan;
    plan.source = app.value(QStringLiteral("PATH"));
    const bool use8x3 = engine.flag(QStringLiteral("USE_8X3_FILENAME"));
    if (QFileInfo(plan.source).suffix().compare(QLatin1String("zip"), Qt::CaseInsensitive) == 0)
        plan.planCopy(filesDir);
    else if (engine.flag(QStringLiteral("USE_ZIP_FILE")))
        plan.planPack(use8x3, app, filesDir);
    else
        plan.planAsItIs(use8x3, app);
    plan.includeText =
        plan.branch != Branch::AsItIs && engine.addedText() == SiteEngine::AddedText::IncludeInZip;
    return plan;
}

void FtpUploadPlan::planAsItIs(bool use8x3, const ApplicationRecord& app) {
    branch = Branch::AsItIs;
    sendPath = source;
    const QString published = publishedName(app);
    if (!use8x3) {
        sentName = published;
        nameIsUsable(sentName);
        return;
    }
    const QString short8 = app.value(QStringLiteral("8CHAR"));
    sentName = short8 + dottedSuffix(published);
    if (nameIsUsable(short8))
        nameIsUsable(sentName);
}

void FtpUploadPlan::planPack(bool use8x3, const ApplicationRecord& app, const QString& filesDir) {
    branch = Branch::Pack;
    const QString short8 = app.value(QStringLiteral("8CHAR"));
    if (use8x3 && !nameIsUsable(short8))
        return;
    sentName = (use8x3 ? short8 : QFileInfo(source).completeBaseName()) + QStringLiteral(".zip");
    sendPath = filesDir + sentName;
    nameIsUsable(sentName);
}

// A zip is sent under its own name: the 8-character name is not applied to it.
void FtpUploadPlan::planCopy(const QString& filesDir) {
    branch = Branch::CopyZip;
    sentName = QFileInfo(source).fileName();
    sendPath = filesDir + sentName;
    nameIsUsable(sentName);
}

bool FtpUploadPlan::nameIsUsable(const QString& name) {
    const QString why = FtpFileName::problem(name);
    if (problem.isEmpty())
        problem = why;
    return why.isEmpty();
}
