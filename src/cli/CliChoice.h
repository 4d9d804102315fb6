#pragma once

#include <QString>

class Session;

// Makes a named company, application or engine current as the window's selectors do. Each
// gives an empty text when it did, otherwise the line to print.
class CliChoice {
public:
    explicit CliChoice(Session& session) : m_session(session) {}

    QString company(const QString& name);
    // An application of the current company.
    QString app(const QString& name);
    QString engine(const QString& name);

    // The program's own error lines carry its name, unlike texts the window would show.
    static QString own(const QString& text) { return QStringLiteral("shipkit-cli: ") + text; }

private:
    Session& m_session;
};
