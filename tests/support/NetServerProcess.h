#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A real server program for integration tests: started on 127.0.0.1 and a free port, its
// output going to a log file (never to the test runner's pipes), waited for until it greets,
// and stopped when the object goes.
class NetServerProcess {
public:
    // "%PORT%" in the arguments is replaced by the chosen port.
    NetServerProcess(const QString& program, const QStringList& arguments);
    ~NetServerProcess();

    // Starts the program and waits (bounded) until a connection gets a first line starting
    // with greeting, or just connects when greeting is empty. False when it never does.
    bool start(const QByteArray& greeting);
    quint16 port() const { return m_port; }
    QString log() const;

    static quint16 freePort();

private:
    bool greets(const QByteArray& greeting);

    QString m_program;
    QStringList m_arguments;
    QTemporaryDir m_logDir;
    QProcess m_process;
    quint16 m_port = 0;
};
