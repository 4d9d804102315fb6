#pragma once

#include <QByteArray>

// Cuts received bytes into lines ended by CR, LF or CR LF. A CR LF pair split across two reads
// ends one line only. Can hand back the unsplit rest, for protocols that switch to raw data.
class LineSplitter {
public:
    // A line longer than this is handed out in pieces, so a peer cannot grow the buffer forever.
    static constexpr int MaxLine = 64 * 1024;

    void append(const QByteArray& data);
    // Takes the next complete line (without its end); false when none is complete yet.
    bool nextLine(QByteArray& line);
    // Leaves line mode: everything buffered and not yet taken as a line.
    QByteArray takeRest();
    // Raw data after takeRest(): drops the LF of a CR LF pair whose CR ended the last line.
    QByteArray raw(const QByteArray& data);
    void reset();

private:
    void skipPairedLf();

    QByteArray m_buffer;
    qsizetype m_pos = 0;
    bool m_afterCr = false;
};
