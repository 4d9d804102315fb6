#include "submit/MailComposer.h"

#include "engines/SiteEngine.h"
#include "records/ApplicationRecord.h"
#include "records/CompanyRecord.h"
#include "submit/FtpExpansion.h"
#include "submit/MailListing.h"

#include <QRegularExpression>

namespace MailComposer {

namespace {

QString withoutLeadingSpaces(const QString& text) {
    qsizetype start = 0;
    while (start < text.size() && text[start] == u' ')
        ++start;
    return text.mid(start);
}

// The update's own value, or the new listing's when the engine leaves it empty.
QString byKind(const SiteEngine& engine, const QString& key, bool isNew) {
    const QString update = engine.text(key + QStringLiteral("_UPDATE"));
    return isNew || update.isEmpty() ? engine.text(key) : update;
}

QStringList lines(const QString& text) {
    static const QRegularExpression breaks(QStringLiteral("\r\n|\r|\n"));
    QStringList result = text.split(breaks);
    // A text that ends with a line break has no further (empty) line.
    if (!result.isEmpty() && result.last().isEmpty())
        result.removeLast();
    return result;
}

} // namespace

QString recipient(const MailListing& listing, bool isNew, bool copy) {
    if (copy)
        return listing.company[CompanyRecord::CEMAIL].trimmed();
    return byKind(listing.engine, QStringLiteral("EMAIL_TONAME"), isNew).trimmed();
}

bool isPlainAddress(const QString& address) {
    static const QRegularExpression plain(QStringLiteral("^[^\\s<>(),;:\"@]+@[^\\s<>(),;:\"@]+$"));
    return plain.match(address).hasMatch();
}

QString subject(const MailListing& listing, bool isNew, bool copy) {
    const QString stored = withoutLeadingSpaces(byKind(listing.engine, "EMAIL_SUBJECT", isNew));
    QString text = QStringLiteral("Submission");
    if (!stored.isEmpty())
        text = FtpExpansion::expand(stored, listing.expansion)
                   .value_or(listing.engine.text(QStringLiteral("EMAIL_SUBJECT")));
    // A line break would end the header line early.
    text.replace(u'\r', u' ').replace(u'\n', u' ');
    if (copy)
        text += QStringLiteral(" (") + listing.engine.name + u')';
    return text;
}

std::optional<QStringList> body(const MailListing& listing, bool copy) {
    const bool isNewRow = listing.submit == QStringLiteral("New");
    const QString& script =
        listing.engine.scripts[isNewRow ? SiteEngine::EmailNew : SiteEngine::EmailUpdate];
    const QString trimmed = withoutLeadingSpaces(script);
    if (trimmed.isEmpty())
        return std::nullopt;
    QStringList result = lines(FtpExpansion::expand(trimmed, listing.expansion).value_or(script));
    if (!copy)
        result << footer();
    return result;
}

QStringList footer() {
    return {QString(),
            QString(),
            QString(),
            QString(),
            QStringLiteral(
                "This shareware submission was auto-submitted by Shipkit, a Tallmark product."),
            QStringLiteral("Find out more about Shipkit at https://www.tallmark.example/shipkit/")};
}

QStringList attachments(const MailListing& listing, bool copy) {
    QStringList files;
    const SiteEngine& engine = listing.engine;
    if (engine.flag(QStringLiteral("EMAIL_ATTACH_APPLICATION")) && !copy)
        files << listing.app.value(QStringLiteral("PATH"));
    const std::pair<const char*, const char*> optional[] = {{"EMAIL_ATTACH_GIF", "GIFPATH"},
                                                            {"EMAIL_ATTACH_ICO", "ICOPATH"},
                                                            {"EMAIL_ATTACH_SCREEN", "SCREENPATH"},
                                                            {"EMAIL_ATTACH_OTHER", "OTHERPATH"}};
    for (const auto& [flag, key] : optional) {
        const QString path = listing.app.value(QString::fromLatin1(key));
        if (engine.flag(QString::fromLatin1(flag)) && !path.isEmpty())
            files << path;
    }
    return files;
}

} // namespace MailComposer
