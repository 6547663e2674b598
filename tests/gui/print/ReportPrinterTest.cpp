#include "gui/print/ReportPrinter.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/check/ColumnCheck.h"
#include "core/material/MatDataBase.h"
#include "core/print/PrintDefault.h"
#include "core/print/PrintSettings.h"
#include "core/print/PrinterInfomation.h"
#include "core/print/ReportTextSource.h"
#include "core/project/ProjectFile.h"
#include "core/text/MessageSink.h"
#include "gui/ModalDialog.h"
#include "gui/print/PrinterAccess.h"
#include "samples/SampleProjects.h"
#include "support/TestFiles.h"

namespace tarvo::gui {
namespace {

constexpr const char* kQueue = "TarvoPDF";

// The page count pdfinfo reads from a PDF file; -1 when it cannot.
int pdfPages(const QString& file) {
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {file});
    if (!info.waitForFinished(30000) || info.exitCode() != 0) return -1;
    for (const QString& line : QString::fromUtf8(info.readAllStandardOutput()).split(QLatin1Char('\n'))) {
        if (line.startsWith(QStringLiteral("Pages:"))) return line.mid(6).trimmed().toInt();
    }
    return -1;
}

class ReportPrinterTest : public ::testing::Test {
protected:
    void SetUp() override {
        samples::buildMixedProject(24, common_, columns_);
        applyPrintDefault(builtInPrintDefault(), printer_, settings_, access_);
    }
    PrintOutcome print() {
        return ReportPrinter(access_, printer_, settings_, messages_).print(nullptr, columns_, source_);
    }
    // Prints every page into `file`, chosen in the dialog as a user would.
    PrintOutcome printIntoFile(const std::filesystem::path& file) {
        test::answerModal<QPrintDialog>(
            [&](QPrintDialog* dialog) {
                auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers"));
                printers->setCurrentIndex(printers->count() - 1);
                dialog->findChild<QLineEdit*>(QStringLiteral("filename"))
                    ->setText(QString::fromStdString(file.string()));
                dialog->accept();
            },
            "PrintDialog");
        return print();
    }

    CommonData common_;
    ColumnsData columns_;
    const MatDataBase catalogue_{};
    ColumnCheck check_{catalogue_, common_};
    ReportTextSource source_{common_, columns_, check_};
    PrinterAccess access_;
    PrinterInfomation printer_;
    PrintSettings settings_;
    RecordingMessageSink messages_;
    test::TempDir dir_;
};

// Printing on a system without printers.
class NoPrinterReport : public ReportPrinterTest {};

TEST_F(ReportPrinterTest, CancelledDialogPrintsNothing) {
    test::answerModal<QPrintDialog>([](QPrintDialog* dialog) { dialog->reject(); }, "PrintDialog");
    EXPECT_EQ(print(), PrintOutcome::Cancelled);
    EXPECT_TRUE(messages_.entries.empty());
    // The pages were composed for the dialog's page range.
    EXPECT_GT(settings_.pageCount, 2);
}

TEST_F(ReportPrinterTest, PdfFileHoldsTheRangeAndTheCollatedCopiesTheProgramMade) {
    const QString file = QString::fromStdString((dir_ / "range.pdf").string());
    int maximumPage = 0;
    test::answerModal<QPrintDialog>(
        [&](QPrintDialog* dialog) {
            // Print to a PDF file: the last entry of the printer list.
            auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers"));
            printers->setCurrentIndex(printers->count() - 1);
            dialog->findChild<QLineEdit*>(QStringLiteral("filename"))->setText(file);
            dialog->findChild<QRadioButton*>(QStringLiteral("printRange"))->setChecked(true);
            auto* to = dialog->findChild<QSpinBox*>(QStringLiteral("to"));
            maximumPage = to->maximum();
            dialog->findChild<QSpinBox*>(QStringLiteral("from"))->setValue(2);
            to->setValue(3);
            dialog->findChild<QSpinBox*>(QStringLiteral("copies"))->setValue(2);
            dialog->findChild<QCheckBox*>(QStringLiteral("collate"))->setChecked(true);
            dialog->accept();
        },
        "PrintDialog");
    ASSERT_EQ(print(), PrintOutcome::Printed);
    EXPECT_EQ(maximumPage, settings_.pageCount);
    EXPECT_TRUE(access_.printsToFile());
    // Pages 2 and 3, twice.
    EXPECT_EQ(pdfPages(file), 4);
    // The report says where it went.
    ASSERT_EQ(messages_.entries.size(), 1u);
    EXPECT_EQ(messages_.entries[0].kind, MessageKind::Information);
    EXPECT_EQ(messages_.entries[0].text, "PDF ファイルに印刷しました。\n" + file.toStdString());
}

TEST_F(ReportPrinterTest, AFifoNamedAsThePdfFileIsRefusedAndLeftAlone) {
    const auto fifo = dir_ / "report.pdf";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(printIntoFile(fifo), PrintOutcome::Failed);
    ASSERT_EQ(messages_.entries.size(), 1u);
    EXPECT_EQ(messages_.entries[0].text,
              "File Open Error: \n" + fifo.string() +
                  "\nnot a regular file (a device, a FIFO, a folder or a socket); it was left unchanged");
    struct stat info {};
    ASSERT_EQ(::lstat(fifo.c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

TEST_F(ReportPrinterTest, APdfFileReplacedThroughALinkKeepsTheLinkAndTheMode) {
    test::writeBytes(dir_ / "real.pdf", "old");
    ASSERT_EQ(::chmod((dir_ / "real.pdf").c_str(), 0600), 0);
    std::filesystem::create_symlink(dir_ / "real.pdf", dir_ / "link.pdf");
    ASSERT_EQ(printIntoFile(dir_ / "link.pdf"), PrintOutcome::Printed);
    // Only the message that says where the report went.
    ASSERT_EQ(messages_.entries.size(), 1u);
    EXPECT_EQ(messages_.entries[0].kind, MessageKind::Information);
    EXPECT_TRUE(std::filesystem::is_symlink(dir_ / "link.pdf"));
    EXPECT_EQ(test::modeOf(dir_ / "real.pdf"), 0600u);
    EXPECT_EQ(pdfPages(QString::fromStdString((dir_ / "real.pdf").string())), settings_.pageCount);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.path()), {}), 2);
}

TEST_F(ReportPrinterTest, JobOnTheCupsPdfQueueHasThePagesOfTheReport) {
    const int queue = static_cast<int>(access_.printerNames().indexOf(QLatin1String(kQueue)));
    if (queue < 0) {
        if (std::getenv("TARVO_REQUIRE_PRINT_QUEUE") != nullptr)
            FAIL() << "no CUPS PDF queue \"" << kQueue << "\": tools/start-print-queue.sh adds it";
        GTEST_SKIP() << "no CUPS PDF queue \"" << kQueue << "\" on this machine: tools/start-print-queue.sh adds it";
    }
    ASSERT_TRUE(access_.setCurrentIndex(queue));
    // The sample project a user would print.
    ColumnsData sample;
    ASSERT_EQ(
        LoadProject(std::filesystem::path(TARVO_SAMPLES_DIR) / "sawn-lumber-wind.tvp", common_, sample, messages_), 0);
    columns_ = sample;
    const QDateTime started = QDateTime::currentDateTime().addSecs(-1);
    test::answerModal<QPrintDialog>([](QPrintDialog* dialog) { dialog->accept(); }, "PrintDialog");
    ASSERT_EQ(print(), PrintOutcome::Printed);
    EXPECT_FALSE(access_.printsToFile());
    const int pages = settings_.pageCount;

    // cups-pdf writes "<title>-job_<n>.pdf" into the PDF folder of the job's
    // owner once the job has gone through the queue.
    const passwd* user = ::getpwuid(::getuid());
    ASSERT_NE(user, nullptr);
    const QDir out(QString::fromLocal8Bit(user->pw_dir) + QStringLiteral("/PDF"));
    QString written;
    for (int attempt = 0; attempt < 600 && written.isEmpty(); ++attempt) {
        for (const QFileInfo& info : out.entryInfoList({QStringLiteral("Tarvo_Posts*.pdf")}, QDir::Files, QDir::Time)) {
            if (info.lastModified() >= started) {
                written = info.absoluteFilePath();
                break;
            }
        }
        if (written.isEmpty()) QTest::qWait(100);
    }
    ASSERT_FALSE(written.isEmpty()) << "no PDF from the queue in " << out.path().toStdString();
    // The file may still be growing: wait until pdfinfo reads it whole.
    int printed = -1;
    for (int attempt = 0; attempt < 100 && printed != pages; ++attempt) {
        printed = pdfPages(written);
        if (printed != pages) QTest::qWait(100);
    }
    EXPECT_EQ(printed, pages);
    QFile::remove(written);
}

TEST_F(NoPrinterReport, PrintsIntoThePdfFileOfTheDialog) {
    if (access_.hasPrinter()) GTEST_SKIP() << "this system has printers (run with CUPS_SERVER pointing nowhere)";
    const QString file = QString::fromStdString((dir_ / "Tarvo Posts.pdf").string());
    access_.printer().setOutputFileName(file);
    QString offered;
    test::answerModal<QPrintDialog>(
        [&](QPrintDialog* dialog) {
            offered = dialog->findChild<QLineEdit*>(QStringLiteral("filename"))->text();
            dialog->accept();
        },
        "PrintDialog");
    ASSERT_EQ(print(), PrintOutcome::Printed);
    EXPECT_EQ(offered, file);
    EXPECT_EQ(pdfPages(file), settings_.pageCount);
    ASSERT_EQ(messages_.entries.size(), 1u);
    EXPECT_EQ(messages_.entries[0].text, "PDF ファイルに印刷しました。\n" + file.toStdString());
}

TEST_F(NoPrinterReport, NoFileNamedDoesNothingAndSaysNothing) {
    if (access_.hasPrinter()) GTEST_SKIP() << "this system has printers (run with CUPS_SERVER pointing nowhere)";
    // A folder is no file to print into.
    access_.printer().setOutputFileName(QString::fromStdString(dir_.path().string()) + QLatin1Char('/'));
    test::answerModal<QPrintDialog>([](QPrintDialog* dialog) { dialog->accept(); }, "PrintDialog");
    EXPECT_EQ(print(), PrintOutcome::Cancelled);
    EXPECT_TRUE(messages_.entries.empty());
}

} // namespace
} // namespace tarvo::gui
