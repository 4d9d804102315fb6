#pragma once

#include <QByteArray>
#include <QByteArrayView>

// Puts a second dot before every line of message text that starts with one, so no line of the
// text can pass for its end. Blocks may cut lines anywhere: where the last one stopped is kept.
class DotStuffer {
public:
    QByteArray stuff(QByteArrayView block);

private:
    bool m_atLineStart = true;
};
