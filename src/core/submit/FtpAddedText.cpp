#include "submit/FtpAddedText.h"

#include "engines/SiteEngine.h"
#include "records/ListFile.h"
#include "submit/FtpExpansion.h"
#include "submit/FtpFileName.h"

#include <QFile>

FtpAddedText::Outcome FtpAddedText::prepare(const SiteEngine& engine,
                                            const ExpansionContext& context) {
    m_name.clear();
    m_problem.clear();
    QFile::remove(m_filesDir + QLatin1String(WorkName));
    const QString& script = engine.scripts[SiteEngine::FtpNew];
    if (script.isEmpty())
        return Outcome::None;
    const auto text = FtpExpansion::expand(script, context);
    if (!text || text->isEmpty())
        return Outcome::None;
    const auto name = FtpExpansion::expand(engine.text("FTP_FILENAME"), context);
    if (!name || name->isEmpty())
        return Outcome::None;
    m_name = *name;
    m_problem = FtpFileName::problem(m_name);
    return m_problem.isEmpty() ? write(*text) : Outcome::BadName;
}

FtpAddedText::Outcome FtpAddedText::write(const QString& text) {
    const QString work = m_filesDir + QLatin1String(WorkName);
    QFile::remove(path());
    SaveList(splitLines(text), work);
    return QFile::rename(work, path()) ? Outcome::Ready : Outcome::None;
}
