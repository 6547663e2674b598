#include "gui/ui/LatexOutput.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFileDialog>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <sys/resource.h>

#include <cerrno>
#include <csignal>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>

#include "cli/LatexCommand.h"
#include "core/check/ColumnCheck.h"
#include "core/material/MatDataBase.h"
#include "core/print/PrintDefault.h"
#include "core/project/ColumnsData.h"
#include "core/project/CommonData.h"
#include "core/project/ProjectFile.h"
#include "core/report/LatexSettings.h"
#include "core/text/MessageSink.h"
#include "core/text/SettingsLocation.h"
#include "gui/ModalDialog.h"
#include "gui/ui/LatexForm.h"
#include "support/TestFiles.h"

namespace tarvo::gui {
namespace {

// Lowers the soft limit of the size of any file this process writes, with
// the signal that would end the process ignored; both come back at the end.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : previousSignal_(std::signal(SIGXFSZ, SIG_IGN)) {
        ::getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit lowered = previous_;
        lowered.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousSignal_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previous_{};
    void (*previousSignal_)(int);
};

const std::filesystem::path kSample = std::filesystem::path(TARVO_SAMPLES_DIR) / "sawn-lumber-wind.tvp";

class LatexOutputTest : public ::testing::Test {
protected:
    void SetUp() override {
        out_ = dir_ / "out";
        std::filesystem::create_directories(out_);
        ASSERT_EQ(LoadProject(kSample, common_, columns_, messages_), 0);
    }

    // A stand-in compiler: it runs for `tenths` tenths of a second in the
    // .tex file's folder, then leaves a DVI file (or, when `fail`, only a log
    // with an error). It notes its folder and arguments, and its process id.
    void standInCompiler(int tenths, bool fail = false) {
        std::ostringstream script;
        script << "#!/bin/sh\n"
               << "echo \"$PWD $*\" > '" << (dir_ / "compiler-run").string() << "'\n"
               << "echo $$ > '" << (dir_ / "compiler-pid").string() << "'\n"
               << "n=0\nwhile [ $n -lt " << tenths << " ]; do sleep 0.1; n=$((n+1)); done\n"
               << "base=$(basename \"$1\" .tex)\n";
        if (fail) {
            script
                << "printf 'This is a log\\n! Undefined control sequence.\\nl.12 \\\\foo\\n' > \"$base.log\"\nexit 1\n";
        } else {
            script << "echo dvi > \"$base.dvi\"\n";
        }
        writeProgram("stand-in-compiler", script.str());
        writeProgram("stand-in-viewer", "#!/bin/sh\necho \"$*\" > '" + (dir_ / "viewer-run").string() + "'\n");
        test::writeBytes(dir_ / "Tarvo.ini", "[LaTeX2e]\r\nCompiler=" + (dir_ / "stand-in-compiler").string() +
                                                 "\r\nViewer=" + (dir_ / "stand-in-viewer").string() +
                                                 "\r\nMode=1\r\n");
    }
    void writeProgram(const std::string& name, const std::string& text) {
        test::writeBytes(dir_ / name, text);
        std::filesystem::permissions(dir_ / name, std::filesystem::perms::owner_all);
    }
    // Answers the save dialog with `path`.
    static void saveAs(const std::filesystem::path& path) {
        test::answerModal<QFileDialog>(
            [path](QFileDialog* dialog) {
                dialog->selectFile(QString::fromStdString(path.string()));
                static_cast<QDialog*>(dialog)->accept();
            },
            "LatexSaveDialog");
    }
    void run(const std::filesystem::path& projectFile = kSample) {
        form_ = std::make_unique<LatexForm>(dir_ / "Tarvo.ini", dir_ / "LatexHeader.txt");
        LatexOutput(nullptr, *form_, check_, messages_)
            .run(columns_, projectFile, latexLayoutFrom(loadPrintDefault(dir_ / "Tarvo.ini")));
    }
    // Waits up to five seconds for a file a detached program writes.
    static bool appears(const std::filesystem::path& file) {
        for (int i = 0; i < 100 && !std::filesystem::exists(file); ++i)
            QTest::qWait(50);
        return std::filesystem::exists(file);
    }

    test::TempDir dir_;
    std::filesystem::path out_;
    CommonData common_;
    ColumnsData columns_;
    const MatDataBase catalogue_{};
    ColumnCheck check_{catalogue_, common_};
    RecordingMessageSink messages_;
    std::unique_ptr<LatexForm> form_;
};

TEST_F(LatexOutputTest, ProposesTarvoTexBesideTheProjectOrInTheTemporaryFolder) {
    EXPECT_EQ(LatexOutput::proposedPath("/work/projects/a.tvp"), std::filesystem::path("/work/projects/Tarvo.tex"));
    EXPECT_EQ(LatexOutput::proposedPath({}), latexTemporaryFolder() / "Tarvo.tex");
}

TEST_F(LatexOutputTest, WritesTheCommandLinesFileAndCompilesWhileTheWindowStaysAlive) {
    standInCompiler(10);
    const auto tex = out_ / "Tarvo.tex";
    saveAs(tex);
    bool progressShown = false;
    test::answerModal<QProgressDialog>(
        [&progressShown](QProgressDialog* progress) { progressShown = progress->isVisible(); }, "LatexProgress");
    // The event loop keeps running while the compiler works.
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
    ticker.start(20);
    QElapsedTimer clock;
    clock.start();
    run();
    ticker.stop();
    EXPECT_GE(clock.elapsed(), 900);
    EXPECT_GT(ticks, 20);
    EXPECT_TRUE(progressShown);
    EXPECT_TRUE(messages_.entries.empty());

    // The same document as `tarvo-posts latex` writes with these settings.
    std::ostringstream out;
    std::ostringstream err;
    const auto reference = dir_ / "reference.tex";
    ASSERT_EQ(cli::runLatexCommand({kSample.string(), "-o", reference.string()},
                                   SettingsLocation::besideProgram(dir_.path()), out, err),
              0)
        << err.str();
    EXPECT_EQ(test::readBytes(tex), test::readBytes(reference));

    // The compiler ran in the .tex file's folder on the file name; the viewer
    // got the DVI path.
    EXPECT_EQ(test::readBytes(dir_ / "compiler-run"), out_.string() + " Tarvo.tex\n");
    ASSERT_TRUE(appears(dir_ / "viewer-run"));
    EXPECT_EQ(test::readBytes(dir_ / "viewer-run"), (out_ / "Tarvo.dvi").string() + "\n");
}

TEST_F(LatexOutputTest, CancelEndsTheCompilerAndStartsNoViewer) {
    standInCompiler(300);
    saveAs(out_ / "Tarvo.tex");
    test::answerModal<QProgressDialog>(
        [](QProgressDialog* progress) {
            QTimer::singleShot(300, progress, [progress] { progress->findChild<QPushButton*>()->click(); });
        },
        "LatexProgress");
    QElapsedTimer clock;
    clock.start();
    run();
    EXPECT_LT(clock.elapsed(), 10000);
    // The compiler is gone, not left running behind the window.
    ASSERT_TRUE(appears(dir_ / "compiler-pid"));
    const pid_t compiler = static_cast<pid_t>(std::stol(test::readBytes(dir_ / "compiler-pid")));
    EXPECT_EQ(::kill(compiler, 0), -1);
    EXPECT_EQ(errno, ESRCH);
    EXPECT_TRUE(std::filesystem::exists(out_ / "Tarvo.tex"));
    QTest::qWait(300);
    EXPECT_FALSE(std::filesystem::exists(out_ / "Tarvo.dvi"));
    EXPECT_FALSE(std::filesystem::exists(dir_ / "viewer-run"));
    EXPECT_TRUE(messages_.entries.empty());
}

TEST_F(LatexOutputTest, CompileWithoutDviShowsTheFirstErrorLineAndNoOldResult) {
    standInCompiler(1, true);
    test::writeBytes(out_ / "Tarvo.dvi", "an earlier run");
    saveAs(out_ / "Tarvo.tex");
    run();
    EXPECT_FALSE(std::filesystem::exists(out_ / "Tarvo.dvi"));
    QTest::qWait(200);
    EXPECT_FALSE(std::filesystem::exists(dir_ / "viewer-run"));
    ASSERT_EQ(messages_.entries.size(), 1u);
    EXPECT_EQ(messages_.entries[0].kind, MessageKind::Error);
    EXPECT_EQ(messages_.entries[0].text,
              "Compile Error: \n" + (out_ / "Tarvo.tex").string() + "\n! Undefined control sequence.");
}

TEST_F(LatexOutputTest, FailedWriteSaysFileWriteErrorAndKeepsTheEarlierDocument) {
    const auto tex = out_ / "Tarvo.tex";
    test::writeBytes(tex, "an earlier document");
    saveAs(tex);
    {
        // No file of this process may grow beyond 2 KiB while the command
        // runs: the disk is "full" for the 10 KB document.
        const FileSizeLimit full(2048);
        run();
    }
    ASSERT_EQ(messages_.entries.size(), 1u);
    EXPECT_EQ(messages_.entries[0].kind, MessageKind::Error);
    EXPECT_EQ(messages_.entries[0].text, "File Write Error: \n" + tex.string() + "\nFile too large");
    EXPECT_EQ(test::readBytes(tex), "an earlier document");
    // Neither a compile nor a temporary file is left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(out_), {}), 1);
}

TEST_F(LatexOutputTest, ModeOffLeavesTheTexFileForTheUser) {
    standInCompiler(1);
    test::writeBytes(dir_ / "Tarvo.ini", test::readBytes(dir_ / "Tarvo.ini") + "Mode=0\r\n");
    test::writeBytes(dir_ / "Tarvo.ini",
                     "[LaTeX2e]\r\nCompiler=" + (dir_ / "stand-in-compiler").string() + "\r\nMode=0\r\n");
    saveAs(out_ / "Tarvo.tex");
    run();
    EXPECT_TRUE(std::filesystem::exists(out_ / "Tarvo.tex"));
    EXPECT_FALSE(std::filesystem::exists(dir_ / "compiler-run"));
}

TEST_F(LatexOutputTest, NoComputableItemWarnsAndWritesNothing) {
    columns_.Reset();
    QString said;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    test::answerModal<QMessageBox>([&](QMessageBox* box) {
        said = box->text();
        icon = box->icon();
        box->accept();
    });
    run();
    EXPECT_EQ(said, QStringLiteral("出力するデータがありません"));
    EXPECT_EQ(icon, QMessageBox::Warning);
}

TEST_F(LatexOutputTest, UnwritableTargetSaysFileOpenErrorAndTheProjectIsNeverReplaced) {
    test::writeBytes(dir_ / "plain", "x");
    const auto blocked = dir_ / "plain" / "Tarvo.tex";
    saveAs(blocked);
    run();
    ASSERT_EQ(messages_.entries.size(), 1u);
    EXPECT_EQ(messages_.entries[0].text, "File Open Error: \n" + blocked.string() + "\nNot a directory");

    messages_.entries.clear();
    const auto project = dir_ / "copy.tvp";
    std::filesystem::copy_file(kSample, project);
    const std::string before = test::readBytes(project);
    saveAs(project);
    run(project);
    ASSERT_EQ(messages_.entries.size(), 1u);
    EXPECT_EQ(test::readBytes(project), before);
}

} // namespace
} // namespace tarvo::gui
