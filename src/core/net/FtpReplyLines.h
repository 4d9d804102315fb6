#pragma once

#include <QString>

// Groups the lines of FTP replies: "123-" opens a reply of several lines that the first line
// starting with "123 " ends. Kept apart from the socket so the grouping can be checked alone.
class FtpReplyLines {
public:
    // Takes the next line; true when it ends a reply, and is then the line to judge it by.
    bool take(const QString& line);

private:
    QString m_last; // "123 " while a reply of several lines is open
};
