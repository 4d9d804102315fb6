// Script expansion over fields that insert fields: a failure leaves the script as it was, and
// a success stays within the size bound.
#include "FuzzSupport.h"
#include "base/Clock.h"
#include "engines/SiteEngine.h"
#include "records/ApplicationRecord.h"
#include "records/CompanyRecord.h"
#include "scripts/ScriptExpander.h"

#include <QList>

namespace {

// The input, cut at NUL bytes: the script, then the values the expansion reads.
enum Piece {
    Script,
    AppName,
    CompanyName,
    Version,
    ShortDesc,
    LongDesc,
    Cat1,
    Cat1Label,
    ByteFormat,
    Size32,
    PieceCount
};

void expand(const ExpansionContext& context, const QString& script, bool live) {
    ScriptExpander expander(context);
    const QString out = expander.ExpandText(script, live);
    if (expander.ScriptError()) {
        FuzzSupport::check(out == script, "a failed expansion changed the script");
        return;
    }
    FuzzSupport::check(out.size() <= ScriptExpander::MaxExpandedLength,
                       "an expansion passed the size bound");
    if (!script.contains(u'%'))
        FuzzSupport::check(out == script, "a script without variables changed");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    FuzzSupport::startQt();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QList<QByteArray> cut = FuzzSupport::bytesOf(data, size).split('\0');
    cut.resize(PieceCount);
    QStringList pieces;
    for (const QByteArray& bytes : cut)
        pieces << QString::fromUtf8(bytes);

    CompanyRecord company;
    company[CompanyRecord::CONAME] = pieces[CompanyName];
    ApplicationRecord app;
    app.setValue(QStringLiteral("VERSION"), pieces[Version]);
    app.setValue(QStringLiteral("SHORTDESC"), pieces[ShortDesc]);
    app.setValue(QStringLiteral("SIZE32"), pieces[Size32]);
    app.longDescription = pieces[LongDesc];
    SiteEngine engine;
    engine.name = QStringLiteral("Site");
    engine.cat1 = pieces[Cat1];
    engine.setFlag(QStringLiteral("USE_CAT1"), true);
    engine.set(QStringLiteral("BYTE_FORMAT"), pieces[ByteFormat]);
    static const FixedClock clock(QDateTime(QDate(2026, 2, 3), QTime(4, 5, 6)));
    QuietPrompter prompter;

    ExpansionContext context;
    context.company = &company;
    context.app = &app;
    context.appName = pieces[AppName];
    context.engine = &engine;
    context.clock = &clock;
    context.prompter = &prompter;
    context.cat1Label = pieces[Cat1Label];
    expand(context, pieces[Script], false);
    expand(context, pieces[Script], true);
    return 0;
}
