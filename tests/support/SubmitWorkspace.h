#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class TempWorkspace;

// A workspace with the company "Acme" and its application "Tool", ready to be submitted, and
// the site engines a test adds; written into a test's folder.
class SubmitWorkspace {
public:
    explicit SubmitWorkspace(const TempWorkspace& ws);

    // settings.dat: the three mail settings (unless left out) and the HTTP time-out.
    void writeSettings(bool withMail = true, int httpTimeOut = 60) const;
    // A site posting its form by POST (postType 1) or GET (2) to newUrl or updateUrl.
    void formSite(const QString& name, int postType, const QString& newUrl,
                  const QString& updateUrl, const QString& newScript, const QString& updateScript);
    // A site that asks for no method at all.
    void plainSite(const QString& name);
    // Rows of the application's stored site list, fields separated as the file has them.
    void storeList(const QList<QStringList>& rows) const;
    // Writes the engine list; call after the last site.
    void finish() const;

    static QString siteListLine(const QStringList& fields);

private:
    const TempWorkspace& m_ws;
    QStringList m_sites;
};
