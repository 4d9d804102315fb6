#include "net/TZipArchiver.h"

#include "net/ZipAdder.h"
#include "net/ZipArchive.h"
#include "net/ZipExtractPlan.h"
#include "net/ZipExtractor.h"

#include <QFileInfo>
#include <QScopeGuard>

TZipArchiver::TZipArchiver(QObject* parent) : QObject(parent) {
    m_report.progress = [this](int kind, qint64 size, const QString& name) {
        Q_EMIT OnProgress(kind, size, name);
    };
    m_report.message = [this](int code, const QString& text) { Q_EMIT OnMessage(code, text); };
}

template <typename Operation> auto TZipArchiver::reporting(Operation operation) {
    try {
        return operation();
    } catch (const EZipError& error) {
        Q_EMIT OnMessage(error.code(), error.message());
        throw;
    }
}

void TZipArchiver::setZipFilename(const QString& path) {
    m_zipFilename = path;
    m_entries.clear();
    reporting([this] { readEntries(); });
}

int TZipArchiver::Add() {
    const auto emptyArgs = qScopeGuard([this] { m_fspecArgs.clear(); });
    return reporting([this] {
        checkCanAdd();
        ZipAdder(m_report, m_addCompLevel).add(m_zipFilename, m_fspecArgs);
        const auto processed = static_cast<int>(m_fspecArgs.size());
        m_report.progress(ZipReport::EndOfBatch, processed, QString());
        readEntries();
        return processed;
    });
}

int TZipArchiver::Extract() {
    const auto emptyArgs = qScopeGuard([this] { m_fspecArgs.clear(); });
    return reporting([this] {
        requireArchiveName();
        if (m_extrBaseDir.isEmpty())
            throw EZipError(EZipError::FileAccess,
                            QStringLiteral("Error - no folder to extract into"));
        const ZipArchive archive(m_zipFilename, ZipArchive::Mode::Verify);
        const ZipExtractPlan plan(archive, m_fspecArgs, m_report);
        const int processed = ZipExtractor(archive, m_report).extract(plan, m_extrBaseDir);
        m_report.progress(ZipReport::EndOfBatch, processed, QString());
        return processed;
    });
}

void TZipArchiver::readEntries() {
    m_entries.clear();
    if (m_zipFilename.isEmpty() || !QFileInfo::exists(m_zipFilename))
        return;
    m_entries = ZipArchive(m_zipFilename, ZipArchive::Mode::Read).names();
    if (m_entries.isEmpty())
        throw EZipError(EZipError::NoEntries, QStringLiteral("No valid zip entries found"));
}

void TZipArchiver::checkCanAdd() const {
    if (m_fspecArgs.isEmpty())
        throw EZipError(EZipError::NoFiles, QStringLiteral("Error - no files to zip"));
    requireArchiveName();
    if (m_zipFilename.endsWith(QStringLiteral(".exe"), Qt::CaseInsensitive))
        throw EZipError(EZipError::SelfExtracting,
                        QStringLiteral("Error - this pgm can NOT add files to a self-extracting "
                                       "archive"));
}

void TZipArchiver::requireArchiveName() const {
    if (m_zipFilename.isEmpty())
        throw EZipError(EZipError::NoArchive, QStringLiteral("Error - no zip file specified"));
}
