#pragma once

#include <QByteArray>

// Puts a second dot before every line of message text that starts with one, so no line of the
// text can pass for its end. Blocks may cut lines anywhere: where the last one stopped is kept.
class DotStuffer {
public:
    // The block itself (shared, not copied) when it has no such line.
    QByteArray stuff(const QByteArray& block);

private:
    bool m_atLineStart = true;
};
