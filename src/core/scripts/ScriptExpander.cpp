#include "scripts/ScriptExpander.h"

#include "base/Clock.h"
#include "base/Prompter.h"
#include "engines/MatchUp.h"
#include "engines/SiteEngine.h"
#include "engines/TEngBuild.h"
#include "records/ApplicationRecord.h"
#include "records/CompanyRecord.h"
#include "records/ListFile.h"
#include "records/TextHelpers.h"
#include "scripts/ScriptVariables.h"

#include <QLocale>
#include <vector>

namespace {

using V = ScriptVariables;

const QString kUnknown = QStringLiteral("%UNKNOWN%");

// A piece of the working text still to scan: the input, or a value inserted into it.
// The working text is always the finished output followed by the frames from the top
// down, so going on from the insertion point reads exactly what a rescan from the start
// would, without moving the text around.
struct Frame {
    QString text; // shared, never copied
    qsizetype pos = 0;
    int depth = 0;    // how many insertions deep this value sits
    QString variable; // whose value it is
};

// The name up to the closing sign, which may lie in a frame further down; false when
// there is none.
bool readName(std::vector<Frame>& frames, QString& name) {
    while (!frames.empty()) {
        Frame& f = frames.back();
        const qsizetype close = f.text.indexOf(u'%', f.pos);
        if (close >= 0) {
            name += QStringView(f.text).sliced(f.pos, close - f.pos);
            f.pos = close + 1;
            return true;
        }
        name += QStringView(f.text).sliced(f.pos);
        frames.pop_back();
    }
    return false;
}

const CompanyRecord& emptyCompany() {
    static const CompanyRecord record;
    return record;
}

const ApplicationRecord& emptyApp() {
    static const ApplicationRecord record;
    return record;
}

const SiteEngine& emptyEngine() {
    static const SiteEngine engine;
    return engine;
}

} // namespace

void ScriptExpander::fail(const QString& name) {
    m_scriptError = true;
    m_errorName = name;
}

QString ScriptExpander::ExpandText(const QString& text, bool live) {
    m_scriptError = false;
    m_errorName.clear();
    if (text.isEmpty() || !text.contains(u'%'))
        return text;
    QString out;
    out.reserve(text.size());
    std::vector<Frame> frames{Frame{text, 0, 0, QString()}};
    // Everything scanned so far and still to scan; the output never grows past it.
    qsizetype scanned = text.size();
    while (!frames.empty()) {
        Frame& top = frames.back();
        const qsizetype open = top.text.indexOf(u'%', top.pos);
        if (open < 0) {
            out += QStringView(top.text).sliced(top.pos);
            frames.pop_back();
            continue;
        }
        out += QStringView(top.text).sliced(top.pos, open - top.pos);
        top.pos = open + 1;
        const int depth = top.depth;
        const QString owner = top.variable;
        QString name;
        if (!readName(frames, name)) {
            fail(QString());
            return text;
        }
        QString value = LookupVariable(name, live);
        if (m_scriptError)
            return text;
        if (value.isEmpty())
            continue;
        if (depth >= MaxNesting) {
            fail(owner);
            return text;
        }
        scanned += value.size();
        if (scanned > MaxExpandedLength) {
            fail(name);
            return text;
        }
        if (!frames.empty() && frames.back().pos >= frames.back().text.size())
            frames.pop_back();
        frames.push_back(Frame{std::move(value), 0, depth + 1, name});
    }
    return out;
}

QString ScriptExpander::LookupVariable(const QString& name, bool live) {
    const V::Variable* v = V::find(name);
    if (!v) {
        fail(name);
        return QString();
    }
    if (v->source == V::Company)
        return companyValue(v->field);
    if (v->source == V::Application)
        return appValue(v->field);
    const ApplicationRecord& app = m_context.app ? *m_context.app : emptyApp();
    switch (v->id) {
    case V::APPNAME:
        return m_context.appName;
    case V::APPPLAT:
        return matchUpValue(0, QStringLiteral("PLATFORM"));
    case V::APPSUBMITBY:
        return matchUpValue(1, QStringLiteral("DSTATUS"));
    case V::APPSTATUS:
        return matchUpValue(2, QStringLiteral("STATUS"));
    case V::APPINSTALL:
        return matchUpValue(3, QStringLiteral("installer"));
    case V::APPSIZE32:
        return sizeValue(QStringLiteral("SIZE32"), QStringLiteral("SIZE16"));
    case V::APPINSTSIZE32:
        return sizeValue(QStringLiteral("INSTSIZE32"), QStringLiteral("INSTSIZE16"));
    case V::APPSIZE16:
        return sizeValue(QStringLiteral("SIZE16"), QString());
    case V::APPINSTSIZE16:
        return sizeValue(QStringLiteral("INSTSIZE16"), QString());
    case V::APP32DL1:
    case V::APP32DL2:
    case V::APP32DL3:
    case V::APP32DL4:
        return downloadUrl(v->id - V::APP32DL1 + 1);
    case V::APPLONGDESC:
        return app.longDescription;
    case V::APPNOTES:
        return app.notes;
    case V::SITENAME:
        return (m_context.engine ? *m_context.engine : emptyEngine()).name;
    case V::SITECAT1:
        return categoryValue(1, live);
    case V::SITECAT2:
        return categoryValue(2, live);
    case V::FBBSDESC:
        return fileListLine();
    default:
        return clockValue(v->id);
    }
}

QString ScriptExpander::appValue(const QString& key) const {
    return (m_context.app ? *m_context.app : emptyApp()).value(key);
}

QString ScriptExpander::companyValue(const QString& key) const {
    const CompanyRecord& company = m_context.company ? *m_context.company : emptyCompany();
    const auto& keys = CompanyRecord::keys();
    for (size_t i = 0; i < keys.size(); ++i)
        if (keys[i] == key)
            return company.values[i];
    return QString();
}

QString ScriptExpander::sizeValue(const QString& key, const QString& fallbackKey) const {
    QString size = appValue(key);
    if (size.isEmpty() && !fallbackKey.isEmpty())
        size = appValue(fallbackKey);
    switch ((m_context.engine ? *m_context.engine : emptyEngine()).number("BYTE_FORMAT")) {
    case 2:
        return TextHelpers::BytesToKb(size);
    case 3:
        return TextHelpers::BytesToMb(size);
    default:
        return size;
    }
}

QString ScriptExpander::matchUpValue(int group, const QString& key) const {
    return MatchUp::translate(m_context.engine ? *m_context.engine : emptyEngine(), group,
                              appValue(key));
}

QString ScriptExpander::downloadUrl(int number) const {
    const QString url32 = appValue(QStringLiteral("DL%1_32").arg(number));
    return url32.isEmpty() ? appValue(QStringLiteral("DL%1_16").arg(number)) : url32;
}

QString ScriptExpander::categoryValue(int list, bool live) {
    if (live)
        return liveCategory(list);
    const SiteEngine& engine = m_context.engine ? *m_context.engine : emptyEngine();
    const QStringList lines = splitLines(list == 1 ? engine.cat1 : engine.cat2);
    if (lines.isEmpty()) {
        fail(kUnknown);
        return kUnknown;
    }
    return TEngBuild::CategoryValue(lines.first());
}

QString ScriptExpander::liveCategory(int list) {
    const SiteEngine& engine = m_context.engine ? *m_context.engine : emptyEngine();
    const QStringList lines = splitLines(list == 1 ? engine.cat1 : engine.cat2);
    // Read again as the unknown variable UNKNOWN, which fails the expansion.
    if (!engine.flag(list == 1 ? QStringLiteral("USE_CAT1") : QStringLiteral("USE_CAT2")) ||
        lines.isEmpty())
        return kUnknown;
    const QString& label = list == 1 ? m_context.cat1Label : m_context.cat2Label;
    for (const QString& line : lines)
        if (line.contains(label))
            return TEngBuild::CategoryValue(line);
    if (list == 1 && m_context.prompter)
        m_context.prompter->message(QStringLiteral("Could NotFind!"));
    if (label.isEmpty()) {
        fail(kUnknown);
        return kUnknown;
    }
    return label;
}

QString ScriptExpander::fileListLine() const {
    QString line = appValue(QStringLiteral("8CHAR")) + QStringLiteral(".zip");
    if (line.size() < 16)
        line += QString(16 - line.size(), u' ');
    return line + appValue(QStringLiteral("SHORTDESC"));
}

QString ScriptExpander::clockValue(int id) const {
    const QDateTime now = m_context.clock ? m_context.clock->now() : QDateTime::currentDateTime();
    switch (id) {
    case V::CURDATE:
        return QLocale::system().toString(now.date(), QLocale::ShortFormat);
    case V::CURDATE_DAY:
        return QString::number(now.date().day());
    case V::CURDATE_MONTH:
        return QString::number(now.date().month());
    case V::CURDATE_YEAR:
        return QString::number(now.date().year());
    case V::CURTIME:
        return QLocale::system().toString(now.time(), QLocale::LongFormat);
    case V::CURTIME_HRS:
        return QString::number(now.time().hour());
    case V::CURTIME_MIN:
        return QString::number(now.time().minute());
    default:
        return QString();
    }
}
