#pragma once

#include <QString>

struct ExpansionContext;
struct SiteEngine;

// The added text of one attempt: the engine's FTP script expanded and written to files/ under
// the expanded FTP_FILENAME, by way of a work file, so that a half-written text never carries
// the name that gets uploaded.
class FtpAddedText {
public:
    enum class Outcome {
        None,    // no script, or its text or name did not expand: nothing to send
        Ready,   // the file exists under name() and is to be sent
        BadName, // the name breaks the name rule: problem() says why
    };
    static constexpr const char* WorkName = "FTP_Parse_Temp.tmp";

    explicit FtpAddedText(const QString& filesDir) : m_filesDir(filesDir) {}

    // Raises the file error when the text cannot be written.
    Outcome prepare(const SiteEngine& engine, const ExpansionContext& context);

    const QString& name() const { return m_name; }
    QString path() const { return m_filesDir + m_name; }
    const QString& problem() const { return m_problem; }

private:
    Outcome write(const QString& text);

    QString m_filesDir;
    QString m_name;
    QString m_problem;
};
