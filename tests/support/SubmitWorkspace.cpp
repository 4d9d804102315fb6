#include "support/SubmitWorkspace.h"

#include "support/TempWorkspace.h"

SubmitWorkspace::SubmitWorkspace(const TempWorkspace& ws) : m_ws(ws) {
    ws.write("companies/companies.dat", "Acme\r\n");
    ws.write("companies/Acme.dat", "[COMPANY]\r\nCONAME=Acme\r\nCEMAIL=sales@example.com\r\n");
    ws.write("data/Acme Apps.dat", "Tool\r\n");
    ws.write("files/tool.zip", "PK");
    ws.write("data/Tool.dat", ("[APPINFO]\r\n8CHAR=tool\r\nVERSION=2.1\r\nPLATFORM=Windows 95\r\n"
                               "DSTATUS=Author\r\nSTATUS=Shareware\r\nPATH=" +
                               ws.path("files/tool.zip") + "\r\n")
                                  .toUtf8());
    ws.write("data/Tool.lds", "A long description.\r\n");
}

void SubmitWorkspace::writeSettings(bool withMail, int httpTimeOut) const {
    const QByteArray mail = withMail ? "SMTP=127.0.0.1\r\nEMAIL=me@example.com\r\nNAME=Me\r\n" : "";
    m_ws.write("settings.dat",
               "[SETTINGS]\r\n" + mail + "HTTPTimeOut=" + QByteArray::number(httpTimeOut) + "\r\n");
}

void SubmitWorkspace::formSite(const QString& name, int postType, const QString& newUrl,
                               const QString& updateUrl, const QString& newScript,
                               const QString& updateScript) {
    m_ws.write("sites/" + name + ".ini",
               ("[SETTINGS]\r\nUSE_HTTP_POST=1\r\nHTTP_POST_TYPE=" + QString::number(postType) +
                "\r\nHTTP_NEW_SCRIPT_URL=" + newUrl + "\r\nHTTP_UPDATE_SCRIPT_URL=" + updateUrl +
                "\r\n")
                   .toUtf8());
    m_ws.write("sites/" + name + " HTTP_NEW.scp", (newScript + "\r\n").toUtf8());
    m_ws.write("sites/" + name + " HTTP_UPDATE.scp", (updateScript + "\r\n").toUtf8());
    m_sites << name;
}

void SubmitWorkspace::plainSite(const QString& name) {
    m_ws.write("sites/" + name + ".ini", "[SETTINGS]\r\n");
    m_sites << name;
}

QString SubmitWorkspace::siteListLine(const QStringList& fields) {
    return fields.join(QChar(0x00B1));
}

void SubmitWorkspace::storeList(const QList<QStringList>& rows) const {
    QString text;
    for (const QStringList& row : rows)
        text += siteListLine(row) + "\r\n";
    m_ws.write("data/Tool_SITES.dat", text.toUtf8());
}

void SubmitWorkspace::finish() const {
    m_ws.write("sites/Sites.dat", (m_sites.join("\r\n") + "\r\n").toUtf8());
}
