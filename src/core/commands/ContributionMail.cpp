#include "commands/ContributionMail.h"

#include "base/ShipkitError.h"
#include "net/TMailMessage.h"
#include "scripts/ScriptVariables.h"

#include <QFile>
#include <QFileInfo>

namespace {

const QString kSubject = QStringLiteral("New Site Submission for: ");
const QString kMailboxName = QStringLiteral("Shipkit Engine Submissions");
constexpr QByteArrayView kPasswordKey = "LOGIN_PASSWORD";

// "%APPNAME%%VERSION%": nothing but known variables, one after another.
bool onlyVariables(const QString& value) {
    qsizetype pos = 0;
    while (pos < value.size()) {
        const qsizetype close = value.indexOf(u'%', pos + 1);
        if (value[pos] != u'%' || close < 0 ||
            !ScriptVariables::find(QStringView(value).mid(pos + 1, close - pos - 1)))
            return false;
        pos = close + 1;
    }
    return pos > 0;
}

QString unquoted(const QByteArray& raw) {
    QString value = QString::fromUtf8(raw.trimmed());
    if (value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"'))
        value = value.mid(1, value.size() - 2);
    return value;
}

// One line of the file, its line end kept; a password line loses its value.
QByteArray scrubbed(const QByteArray& line) {
    const qsizetype contentEnd = line.endsWith("\r\n") ? line.size() - 2
                                 : line.endsWith('\n') ? line.size() - 1
                                                       : line.size();
    const qsizetype eq = line.indexOf('=');
    if (eq < 0 || eq >= contentEnd)
        return line;
    const QByteArray key = line.left(eq).trimmed();
    if (QByteArrayView(key).compare(kPasswordKey, Qt::CaseInsensitive) != 0)
        return line;
    const QString value = unquoted(line.mid(eq + 1, contentEnd - eq - 1));
    if (value.isEmpty() || onlyVariables(value))
        return line;
    return line.left(eq + 1) + line.mid(contentEnd);
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ShipkitError(QStringLiteral("Cannot read ") + path + QStringLiteral(": ") +
                           file.errorString());
    return file.readAll();
}

} // namespace

namespace ContributionMail {

void compose(TMailMessage& message, const QString& site, const QString& mailbox,
             const Sender& sender, const QString& settingsFile, const QStringList& otherFiles) {
    message.Recipients().add(mailbox, kMailboxName);
    message.Sender() = TMailAddress(sender.address, sender.name);
    message.setSubject(kSubject + site);
    message.setBody({kSubject + site});
    message.setReturnReceipt(false);
    if (QFileInfo::exists(settingsFile))
        message.Attachments().add(QFileInfo(settingsFile).fileName(),
                                  withoutPassword(readAll(settingsFile)));
    for (const QString& path : otherFiles)
        if (QFileInfo::exists(path))
            message.Attachments().add(path);
}

QByteArray withoutPassword(const QByteArray& settings) {
    QByteArray out;
    out.reserve(settings.size());
    qsizetype start = 0;
    while (start < settings.size()) {
        const qsizetype newline = settings.indexOf('\n', start);
        const qsizetype end = newline < 0 ? settings.size() : newline + 1;
        out += scrubbed(settings.mid(start, end - start));
        start = end;
    }
    return out;
}

} // namespace ContributionMail
