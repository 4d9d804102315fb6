#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A fresh folder per test, with byte-exact file helpers.
class TempWorkspace {
public:
    TempWorkspace();
    QString dir() const; // with a trailing "/"
    QString path(const QString& relative) const { return dir() + relative; }
    void write(const QString& relative, const QByteArray& bytes) const;
    QByteArray read(const QString& relative) const;
    bool exists(const QString& relative) const;
    // Copies every file under a folder (such as the shipped demo) into this workspace.
    void copyFrom(const QString& folder) const;

private:
    QTemporaryDir m_dir;
};
