// The update's progress and trace against a scripted server on loopback: whatever the server
// says about the size, the numbers stay in range and the install goes on or is refused whole.
#include "update/SiteDataUpdate.h"
#include "base/ShipkitError.h"
#include "support/FakeTcpServer.h"
#include "support/NetGuard.h"
#include "support/TempWorkspace.h"
#include "support/ZipForge.h"
#include "update/ArchiveDownload.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

struct Seen {
    QStringList statuses;
    QList<int> percents;
    QList<std::tuple<int, int, int>> bars;
    QStringList trace;
};

class SiteDataUpdateTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(forgeZip(m_ws.path("archive.zip"),
                             "add('Sites.dat', b'A\\r\\n'); add('pad.ini', bytes(300000))"));
        m_archive = m_ws.read("archive.zip");
        QDir().mkpath(m_ws.path("w/sites/updates"));
        QDir().mkpath(m_ws.path("w/cat"));
    }

    // Runs the update against an answer with the given head lines; gives the failure or "".
    QString update(const QByteArray& headers, Seen& seen) {
        FakeTcpServer server;
        server.answerHttp("HTTP/1.0 200 OK\r\n" + headers + "\r\n" + m_archive);
        SiteDataUpdate update(Workspace::at(m_ws.path("w")));
        QObject::connect(&update, &SiteDataUpdate::status,
                         [&](const QString& s) { seen.statuses << s; });
        QObject::connect(&update, &SiteDataUpdate::percent, [&](int p) { seen.percents << p; });
        QObject::connect(&update, &SiteDataUpdate::bar,
                         [&](int a, int b, int c) { seen.bars << std::tuple(a, b, c); });
        QObject::connect(&update, &SiteDataUpdate::tracked, [&](const QString& line, bool last) {
            if (last && !seen.trace.isEmpty())
                seen.trace.removeLast();
            seen.trace << line;
        });
        NetGuard guard([&] { update.cancel(); });
        try {
            update.download(
                {QStringLiteral("http://127.0.0.1:%1/sksites.zip").arg(server.port()), {}, 60, {}});
        } catch (const ShipkitError& e) {
            EXPECT_FALSE(update.UpdateDone());
            return e.message();
        }
        EXPECT_TRUE(update.UpdateDone());
        return QString();
    }

    TempWorkspace m_ws;
    QByteArray m_archive;
};

TEST_F(SiteDataUpdateTest, ProgressStaysInRangeWhateverTheSizeSays) {
    const QByteArray size = QByteArray::number(m_archive.size());
    const struct {
        QByteArray headers;
        bool known;
        const char* refused;
    } cases[] = {
        {"Content-Length: " + size + "\r\n", true, nullptr},
        {"", false, nullptr},
        {"Content-Length: 0\r\n", false, nullptr},
        {"Content-Length: lots\r\n", false, nullptr},
        {"Content-Length: -12\r\n", false, nullptr},
        {"Content-Length: 5000000000\r\n", false, "more than 64 MB"},
        {"Content-Length: 99999999999999999999999\r\n", false, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.headers.toStdString());
        Seen seen;
        const QString failure = update(c.headers, seen);
        if (c.refused) {
            EXPECT_TRUE(failure.contains(QLatin1String(c.refused))) << failure.toStdString();
            EXPECT_FALSE(m_ws.exists("w/sites/Sites.dat"));
            continue;
        }
        EXPECT_EQ(failure, QString());
        EXPECT_EQ(m_ws.read("w/sites/Sites.dat"), "A\r\n");
        ASSERT_FALSE(seen.percents.isEmpty());
        for (int p : seen.percents)
            EXPECT_TRUE(p >= 0 && p <= 100) << p;
        EXPECT_EQ(seen.percents.last(), c.known ? 100 : 0);
        const QString received = seen.statuses.filter(QStringLiteral("Received")).last();
        EXPECT_EQ(received, c.known ? QStringLiteral("Received %1K of %1K").arg(size.toInt() / 1024)
                                    : QStringLiteral("Received %1K").arg(size.toInt() / 1024));
        EXPECT_EQ(seen.trace.last(), "Disconnected: OK");
        EXPECT_EQ(seen.trace[seen.trace.size() - 2], size + " bytes written");
        QFile::remove(m_ws.path("w/sites/Sites.dat"));
    }
}

TEST_F(SiteDataUpdateTest, StatusesTellTheStepsInOrder) {
    Seen seen;
    ASSERT_EQ(update("", seen), QString());
    seen.statuses.removeIf([](const QString& s) { return s.startsWith("Received"); });
    EXPECT_EQ(seen.statuses,
              (QStringList{"Connecting to Tallmark Server", "Unzipping Data Files...",
                           "Copy Data Files...", "Copying Sites.Dat...", "Copying pad.ini",
                           "Cleaning UpDate Directory...", "Deleting Archive...",
                           "Data Update Complete"}));
    EXPECT_EQ(seen.trace.first(), "Connected: OK");
    EXPECT_EQ(seen.bars.last(), std::tuple(1, 10, 1));
    EXPECT_TRUE(QDir(m_ws.path("w/sites/updates")).isEmpty());
}

TEST(ArchiveDownload, AnnouncedSizeIsAPositiveNumberOrUnknown) {
    const std::pair<const char*, qint64> cases[] = {
        {"123", 123},
        {" 42 ", 42},
        {"", -1},
        {"0", -1},
        {"abc", -1},
        {"12a", -1},
        {"-5", -1},
        {"+5", -1},
        {"1e6", -1},
        {"5000000000", 5000000000},
        {"99999999999999999999", -1},
    };
    for (const auto& [text, size] : cases)
        EXPECT_EQ(ArchiveDownload::announcedSize(QString::fromLatin1(text)), size) << text;
}

} // namespace
