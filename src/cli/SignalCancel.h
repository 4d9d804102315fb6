#pragma once

#include <QObject>

class QSocketNotifier;

// SIGINT and SIGTERM as a confirmed Cancel. The handler only writes a byte to a pipe; the event
// loop, which runs inside every wait of a run, reads it. A second signal ends the process at
// once with 130, for a run that does not stop.
class SignalCancel : public QObject {
    Q_OBJECT
public:
    static constexpr int SecondSignalExit = 130;

    explicit SignalCancel(QObject* parent = nullptr);
    ~SignalCancel() override;

Q_SIGNALS:
    void cancelRequested();

private:
    void readPipe();

    QSocketNotifier* m_notifier = nullptr;
};
