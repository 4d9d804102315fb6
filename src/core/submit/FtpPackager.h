#pragma once

#include <QString>

class FtpTranscript;
class TZipArchiver;
struct FtpUploadPlan;

// Makes the file that goes out from files/: the application's file packed into a zip of its
// own, or a copy of the application's zip, and puts the added text into it when asked. Each
// attempt starts from a fresh file, so a retry never sends what an earlier attempt added.
class FtpPackager {
public:
    FtpPackager(TZipArchiver& zip, FtpTranscript& transcript)
        : m_zip(zip), m_transcript(transcript) {}

    // False, with the reason in the transcript, when the file could not be made.
    bool make(const FtpUploadPlan& plan);
    bool addText(const QString& archive, const QString& textPath);

private:
    bool pack(const FtpUploadPlan& plan);
    bool copy(const FtpUploadPlan& plan);
    bool removeOld(const QString& path);
    bool zipAdd(const QString& archive, const QString& file);

    TZipArchiver& m_zip;
    FtpTranscript& m_transcript;
};
