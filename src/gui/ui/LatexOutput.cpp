#include "gui/ui/LatexOutput.h"

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QProgressDialog>
#include <QTimer>

#include <system_error>

#include "core/project/ColumnsData.h"
#include "core/report/LatexSettings.h"
#include "core/report/LatexTypesetRun.h"
#include "core/text/MessageSink.h"
#include "core/text/SafeFileWriter.h"
#include "gui/print/QtText.h"
#include "gui/ui/DesktopOpener.h"
#include "gui/ui/LatexForm.h"
#include "gui/ui/QtLatexToolRunner.h"

namespace tarvo::gui {
namespace {

constexpr const char* kProposedName = "Tarvo.tex";
constexpr int kPollMilliseconds = 50;

bool sameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code ec;
    return !a.empty() && std::filesystem::exists(b, ec) && std::filesystem::equivalent(a, b, ec) && !ec;
}

} // namespace

std::filesystem::path LatexOutput::proposedPath(const std::filesystem::path& projectFile) {
    if (projectFile.empty()) return latexTemporaryFolder() / kProposedName;
    return projectFile.parent_path() / kProposedName;
}

void LatexOutput::run(ColumnsData& columns, const std::filesystem::path& projectFile, const LatexLayout& layout) {
    if (!columns.AnyComputable(check_)) {
        QApplication::beep();
        QMessageBox::warning(window_, QStringLiteral("木造柱の設計"), QStringLiteral("出力するデータがありません"));
        return;
    }
    std::filesystem::path texFile;
    if (!choosePath(proposedPath(projectFile), texFile)) return;
    // A LaTeX document never takes the place of the project it was made from.
    if (sameFile(projectFile, texFile)) {
        messages_.showMessage(MessageKind::Error, "File Open Error: \n" + texFile.string());
        return;
    }
    if (!writeDocument(columns, layout, texFile)) return;
    const LatexSettings& settings = form_.settings();
    std::error_code ec;
    if (!settings.compileAndPreview || settings.tools.compiler.empty() ||
        !std::filesystem::is_regular_file(settings.tools.compiler, ec))
        return;
    compileAndView(texFile);
}

bool LatexOutput::choosePath(const std::filesystem::path& proposed, std::filesystem::path& chosen) {
    QFileDialog dialog(window_);
    dialog.setObjectName(QStringLiteral("LatexSaveDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // An earlier document of the same name is replaced without asking.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilter(QStringLiteral("LaTeXファイル(*.tex)"));
    dialog.setDefaultSuffix(QStringLiteral("tex"));
    dialog.setDirectory(fromPath(proposed.parent_path()));
    dialog.selectFile(fromPath(proposed.filename()));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    chosen = toPath(dialog.selectedFiles().first());
    return true;
}

bool LatexOutput::writeDocument(ColumnsData& columns, const LatexLayout& layout, const std::filesystem::path& texFile) {
    LatexWriter writer(check_, layout, form_.headerText());
    LatexBufferSink document;
    const std::int64_t written = writer.writeLatexDocument(columns, document);
    // The whole document is written beside the old file and renamed over
    // it: a failed write leaves an earlier file as it was.
    const SafeWriteResult result = written < 0 ? SafeWriteResult{SafeWriteStatus::WriteFailed, 0}
                                               : SafeFileWriter::replace(texFile, document.text);
    if (result.ok()) return true;
    messages_.showMessage(MessageKind::Error, fileErrorMessage(result, texFile));
    return false;
}

void LatexOutput::startViewer(LatexTypesetRun& run, const std::filesystem::path& texFile) {
    const std::string viewer = form_.settings().tools.viewer;
    QString why;
    if (viewer.empty()) {
        why = QStringLiteral("ビュワーが見つかりません。xdg-utils と PDF ビューア（evince など）をインストールし、"
                             "LaTeX の設定でビュワーを選んでください。");
    } else if (std::filesystem::path(viewer).filename() == "xdg-open") {
        // xdg-open reports nothing back: whether the desktop has a PDF
        // program is asked first.
        why = desktopCannotOpen(QStringLiteral("application/pdf"));
    }
    if (why.isEmpty() && !run.startViewer()) why = QStringLiteral("ビュワーを起動できません: ") + toQString(viewer);
    if (why.isEmpty()) return;
    messages_.showMessage(MessageKind::Error,
                          "コンパイルした文書を表示できません。\n" + texFile.string() + "\n" + why.toStdString());
}

void LatexOutput::compileAndView(const std::filesystem::path& texFile) {
    QtLatexToolRunner runner;
    LatexTypesetRun run(runner, form_.settings().tools, texFile);
    // A compiler that cannot be started leaves the .tex file for the user,
    // who is told so and what to install.
    if (run.start() != LatexRunStatus::Running) {
        const std::string compiler = form_.settings().tools.compiler;
        messages_.showMessage(MessageKind::Error,
                              "LaTeX のコンパイラを起動できません。\n" + (compiler.empty() ? "platex" : compiler) +
                                  "\nplatex（texlive-lang-japanese）をインストールし、LaTeX の設定でコンパイラを"
                                  "選んでください。出力したファイル:\n" +
                                  texFile.string());
        return;
    }

    QProgressDialog progress(QStringLiteral("LaTeX コンパイル中...\n") + fromPath(texFile.filename()),
                             QStringLiteral("キャンセル"), 0, 0, window_);
    progress.setObjectName(QStringLiteral("LatexProgress"));
    progress.setWindowTitle(QStringLiteral("LaTeX"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.setAutoClose(false);
    progress.setAutoReset(false);

    bool cancelled = false;
    QEventLoop loop;
    QTimer poll;
    poll.setInterval(kPollMilliseconds);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&run, &loop] {
        if (run.finished()) loop.quit();
    });
    QObject::connect(&progress, &QProgressDialog::canceled, &loop, [&cancelled, &loop] {
        cancelled = true;
        loop.quit();
    });
    progress.show();
    poll.start();
    if (!run.finished()) loop.exec();
    poll.stop();
    progress.hide();

    if (cancelled) {
        run.cancel();
        return;
    }
    if (run.status() == LatexRunStatus::Compiled) {
        startViewer(run, texFile);
        return;
    }
    if (run.status() == LatexRunStatus::CompileFailed) {
        std::string text = "Compile Error: \n" + texFile.string();
        if (!run.firstErrorLine().empty()) text += "\n" + run.firstErrorLine();
        messages_.showMessage(MessageKind::Error, text);
    }
}

} // namespace tarvo::gui
