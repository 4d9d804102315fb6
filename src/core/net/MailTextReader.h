#pragma once

#include "net/MailText.h"

// Reads a MailText from its start, a block at a time. The text must outlive the reader.
class MailTextReader {
public:
    explicit MailTextReader(const MailText& text) : m_text(text) {}

    bool atEnd() const { return m_piece >= m_text.m_pieces.size(); }
    // At most max bytes, and never across two pieces; Base64 comes in whole lines, so a block
    // of it holds at least one line.
    QByteArray next(qsizetype max);

private:
    const MailText& m_text;
    qsizetype m_piece = 0;
    qsizetype m_offset = 0; // in the piece's own bytes
};
