#pragma once

#include <QString>
#include <functional>

// Where the inner zip jobs send progress and messages; TZipArchiver turns them into its signals.
struct ZipReport {
    enum Kind { NewFile = 0, Step = 1, EndOfBatch = 2 };
    // A progress bar steps once per block, so a small file still gets one step.
    static constexpr qint64 Block = 32768;

    std::function<void(int kind, qint64 size, const QString& name)> progress;
    std::function<void(int code, const QString& text)> message;

    // One Step for every block boundary that reading from done to done + got passed.
    void steps(qint64 done, qint64 got, const QString& name) const {
        for (qint64 block = done / Block + 1; block <= (done + got) / Block; ++block)
            progress(Step, block * Block, name);
    }
};
