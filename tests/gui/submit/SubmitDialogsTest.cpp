#include "SubmitPageFixture.h"
#include "gui/controls/LedDigitPanel.h"
#include "gui/controls/StepProgressBar.h"
#include "gui/submit/TSubmissionVerifyFrm.h"

#include <QFile>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <ostream>

namespace {

const AppSiteList::Counts kCounts{7, 5, 2, 3, 4, 1, 6};

TEST(SubmitVerifyForm, ShowsItsTextsAndTheSevenCounts) {
    TSubmissionVerifyFrm form(kCounts);
    EXPECT_EQ(form.windowTitle(), "Submission Verification:");
    EXPECT_EQ(form.findChild<QLabel*>("Heading")->text(), "Submission Verification");
    EXPECT_EQ(form.findChild<QLabel*>("Note")->text(),
              "  Shipkit will submit using the settings you have chosen on the \"Sites\" tab "
              "page.");
    auto* stats = form.findChild<QGroupBox*>("PostStats");
    ASSERT_NE(stats, nullptr);
    EXPECT_EQ(stats->title(), "Post Stats:");
    auto* rows = qobject_cast<QFormLayout*>(stats->layout());
    ASSERT_NE(rows, nullptr);
    QStringList shown;
    for (int r = 0; r < rows->rowCount(); ++r)
        shown
            << qobject_cast<QLabel*>(rows->itemAt(r, QFormLayout::LabelRole)->widget())->text() +
                   " " +
                   qobject_cast<QLabel*>(rows->itemAt(r, QFormLayout::FieldRole)->widget())->text();
    EXPECT_EQ(shown, (QStringList{"Total Sites: 7", "New: 5", "Update: 2", "HTTP: 3", "FTP: 4",
                                  "FTP w/Zips: 1", "EMAIL: 6"}));
    EXPECT_EQ(form.StartBtn()->text(), "Start Posting!");
    EXPECT_TRUE(form.StartBtn()->isDefault());
    EXPECT_EQ(form.CancelBtn()->text(), "Cancel Posting");
}

struct VerifyCase {
    const char* name;
    std::function<void(TSubmissionVerifyFrm*)> answer;
    bool confirmed;
};

void PrintTo(const VerifyCase& c, std::ostream* os) {
    *os << c.name;
}

const VerifyCase kVerifyCases[] = {
    {"StartPosting",
     [](TSubmissionVerifyFrm* f) { QTest::mouseClick(f->StartBtn(), Qt::LeftButton); }, true},
    {"EnterTakesTheDefault", [](TSubmissionVerifyFrm* f) { QTest::keyClick(f, Qt::Key_Return); },
     true},
    {"CancelPosting",
     [](TSubmissionVerifyFrm* f) { QTest::mouseClick(f->CancelBtn(), Qt::LeftButton); }, false},
    {"ClosingTheWindow", [](TSubmissionVerifyFrm* f) { f->close(); }, false},
    {"Escape", [](TSubmissionVerifyFrm* f) { QTest::keyClick(f, Qt::Key_Escape); }, false},
};

class SubmitVerify : public SubmitPageFixture, public ::testing::TestWithParam<VerifyCase> {};

TEST_P(SubmitVerify, OnlyStartPostingConfirmsAndShowsTheTotals) {
    makePage();
    page->setCounters(9, 5);
    page->setProgress(5, 9);
    QString title;
    ModalAnswer answer([&](QWidget* modal) {
        auto* form = qobject_cast<TSubmissionVerifyFrm*>(modal);
        ASSERT_NE(form, nullptr) << modal->metaObject()->className();
        title = form->windowTitle();
        GetParam().answer(form);
    });
    EXPECT_EQ(page->confirmRun(kCounts), GetParam().confirmed);
    EXPECT_TRUE(answer.answered());
    EXPECT_FALSE(answer.gaveUp());
    EXPECT_EQ(title, "Submission Verification:");
    const bool ok = GetParam().confirmed;
    EXPECT_EQ(page->SitesToPostdgt()->value(), ok ? 7 : 9);
    EXPECT_EQ(page->SitesProcesseddgt()->value(), ok ? 0 : 5);
    EXPECT_EQ(page->PostStatus()->maximum(), ok ? 7 : 9);
    EXPECT_EQ(page->PostStatus()->value(), ok ? 0 : 5);
}

INSTANTIATE_TEST_SUITE_P(Submit, SubmitVerify, ::testing::ValuesIn(kVerifyCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Runs one of poppler's tools on a printed file; empty when it is not installed.
QString poppler(const QString& tool, const QStringList& arguments) {
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        return {};
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

class SubmitPrint : public SubmitPageFixture, public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString pdf;
    int choices = 0;

    void SetUp() override {
        makePage();
        pdf = dir.filePath("log.pdf");
    }
    // Printing goes to a PDF file instead of a printer.
    void printToFile(bool accept) {
        page->setPrinterChoice([this, accept](QPrinter& printer) {
            ++choices;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return accept;
        });
    }
    void clickPrint() { QTest::mouseClick(find<QPushButton>("PrintLogBtn"), Qt::LeftButton); }
    QStringList printedLines() {
        QStringList lines;
        for (QString line : poppler("pdftotext", {pdf, "-"}).split('\n'))
            if (!line.remove('\f').isEmpty())
                lines << line;
        return lines;
    }
    void skipWithoutPoppler() {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            GTEST_SKIP() << "pdftotext (poppler-utils) is needed to read the printed page";
    }
};

TEST_F(SubmitPrint, AnEmptyLogSaysSoAndPrintsNothing) {
    printToFile(true);
    clickPrint();
    EXPECT_EQ(prompter.shown, QStringList{"message: You do not have a log to print."});
    EXPECT_EQ(prompter.beeps, 1);
    EXPECT_EQ(choices, 0);
    EXPECT_FALSE(QFile::exists(pdf));
}

struct PrintCase {
    const char* name;
    int lines;
    int minimumPages;
};

void PrintTo(const PrintCase& c, std::ostream* os) {
    *os << c.name;
}

class SubmitPrintLines : public SubmitPrint, public ::testing::WithParamInterface<PrintCase> {};

TEST_P(SubmitPrintLines, EveryLogLineIsOnePrintedLineInOrderInTheLogFont) {
    skipWithoutPoppler();
    auto* log = find<QListWidget>("log");
    log->setFont(QFont("DejaVu Serif", 11));
    QStringList lines;
    for (int i = 0; i < GetParam().lines; ++i) {
        lines << QString("Log line %1 -> Site %2").arg(i + 1).arg(QChar('A' + i % 26));
        page->AddRunLog(lines.last());
    }
    printToFile(true);
    clickPrint();
    EXPECT_EQ(choices, 1);
    EXPECT_TRUE(prompter.shown.isEmpty());
    EXPECT_EQ(printedLines(), lines);
    EXPECT_TRUE(poppler("pdffonts", {pdf}).contains("DejaVuSerif"));
    const QString info = poppler("pdfinfo", {pdf});
    const int pages = info.section("Pages:", 1).section('\n', 0, 0).trimmed().toInt();
    EXPECT_GE(pages, GetParam().minimumPages);
}

INSTANTIATE_TEST_SUITE_P(Submit, SubmitPrintLines,
                         ::testing::Values(PrintCase{"ThreeLines", 3, 1},
                                           PrintCase{"ALongLogFlowsOntoMorePages", 150, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SubmitPrint, BackingOutOfThePrinterChoicePrintsNothing) {
    page->AddRunLog("a line");
    printToFile(false);
    clickPrint();
    EXPECT_EQ(choices, 1);
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_TRUE(prompter.shown.isEmpty());
}

TEST_F(SubmitPrint, ThePrinterChoiceIsThePrintDialog) {
    page->AddRunLog("a line");
    bool printDialog = false;
    ModalAnswer answer([&](QWidget* modal) {
        printDialog = qobject_cast<QPrintDialog*>(modal) != nullptr;
        modal->close();
    });
    page->printClick();
    EXPECT_TRUE(printDialog);
    EXPECT_FALSE(answer.gaveUp());
    EXPECT_TRUE(prompter.shown.isEmpty());
}

} // namespace
