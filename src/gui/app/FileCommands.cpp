#include "gui/app/FileCommands.h"

#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

#include <system_error>

#include "core/check/ColumnCheck.h"
#include "core/project/ProjectFile.h"
#include "core/project/ProjectFileName.h"
#include "core/project/ProjectLock.h"
#include "core/text/FileAccess.h"
#include "core/text/MessageSink.h"
#include "gui/app/MainForm.h"
#include "gui/app/RecentFilesMenu.h"
#include "gui/print/QtText.h"

namespace tarvo::gui {

namespace {

QString messageTitle() {
    return QApplication::applicationDisplayName().isEmpty() ? QStringLiteral("木造柱の設計")
                                                            : QApplication::applicationDisplayName();
}

// The first local project file among the URLs of a drag, or an empty path.
std::filesystem::path droppedProject(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls()) return {};
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile()) continue;
        std::filesystem::path file = toPath(url.toLocalFile());
        if (IsProjectFileName(file)) return file;
    }
    return {};
}

} // namespace

FileCommands::FileCommands(MainForm& window, QMenu* fileMenu, QAction* insertAfter,
                           const std::filesystem::path& historyFile)
    : QObject(&window), window_(window) {
    recentFiles_ = new RecentFilesMenu(
        fileMenu, insertAfter, [this](const std::filesystem::path& name) { OpenFromHistory(name); }, this);
    history_.load(historyFile);
    recentFiles_->rebuild(history_.entries());

    window_.setAcceptDrops(true);
    qApp->installEventFilter(this);
}

FileCommands::~FileCommands() {
    qApp->removeEventFilter(this);
    // Where the history cannot be written it is lost for the next start;
    // the program is ending and the projects themselves are safe.
    history_.save();
}

void FileCommands::PrepareSaveDialog(QFileDialog& dialog, const std::filesystem::path& name, SaveDialogMode mode) {
    if (mode == SaveDialogMode::Latex) {
        dialog.setNameFilter(QStringLiteral("LaTeXファイル(*.tex)"));
        dialog.setDefaultSuffix(QStringLiteral("tex"));
    } else {
        dialog.setNameFilter(QStringLiteral("データファイル(*.tvp)"));
        dialog.setDefaultSuffix(QStringLiteral("tvp"));
    }
    dialog.selectNameFilter(dialog.nameFilters().value(0));
    if (!name.empty()) {
        dialog.setDirectory(fromPath(name.parent_path()));
        dialog.selectFile(fromPath(name));
    }
}

QString FileCommands::startFolder() const {
    const std::filesystem::path& current = window_.currentFile();
    if (!current.empty()) return fromPath(current.parent_path());
    return lastFolder_.isEmpty() ? QDir::currentPath() : lastFolder_;
}

bool FileCommands::AskToSave() {
    if (window_.modifiedCount() == 0) return true;
    QApplication::beep();
    const auto answer =
        QMessageBox::question(&window_, messageTitle(), QStringLiteral("現在のデータを保存しますか？"),
                              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::No) return true;
    if (answer != QMessageBox::Yes) return false;
    return MenuSaveAsClick();
}

std::optional<std::filesystem::path> FileCommands::chooseSaveName(const std::filesystem::path& proposed) {
    QFileDialog dialog(&window_, QStringLiteral("名前を付けて保存"));
    dialog.setObjectName(QStringLiteral("SaveDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // The question to overwrite is asked below, for the name that is really
    // written, which may differ from the typed one in its extension.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDirectory(startFolder());
    PrepareSaveDialog(dialog, proposed, SaveDialogMode::Data);
    for (;;) {
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
        lastFolder_ = dialog.directory().absolutePath();
        const std::filesystem::path name = ProjectSaveName(toPath(dialog.selectedFiles().front()));
        std::error_code ec;
        if (!std::filesystem::exists(name, ec)) return name;
        QApplication::beep();
        if (IsWriteProtected(name)) {
            QMessageBox::warning(&window_, messageTitle(),
                                 QStringLiteral("このファイルには保存できません（読み取り専用）。\n"
                                                "別の名前を指定してください。\n") +
                                     fromPath(name));
            continue;
        }
        const auto answer =
            QMessageBox::question(&window_, messageTitle(),
                                  QStringLiteral("このファイルは既に存在します。\n上書きしますか？\n") + fromPath(name),
                                  QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (answer == QMessageBox::Yes) return name;
    }
}

void FileCommands::makeCurrent(const std::filesystem::path& name) {
    if (history_.remake(name)) recentFiles_->rebuild(history_.entries());
    window_.setCurrentFile(name);
}

void FileCommands::forgetCurrentFile() {
    if (history_.remake({})) recentFiles_->rebuild(history_.entries());
}

void FileCommands::MenuFileNewClick() {
    window_.commitPendingEdit();
    if (!AskToSave()) return;
    window_.NewProject();
}

void FileCommands::MenuOpenClick() {
    window_.commitPendingEdit();
    if (!AskToSave()) return;
    QFileDialog dialog(&window_, QStringLiteral("開く"));
    dialog.setObjectName(QStringLiteral("OpenDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(QStringLiteral("データファイル(*tvp)"));
    dialog.setDefaultSuffix(QStringLiteral("tvp"));
    dialog.setDirectory(startFolder());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    lastFolder_ = dialog.directory().absolutePath();
    OpenProjectFile(toPath(dialog.selectedFiles().front()));
}

bool FileCommands::MenuSaveAsClick() {
    window_.commitPendingEdit();
    const std::filesystem::path current = window_.currentFile();
    const auto name = chooseSaveName(current);
    if (!name || SaveProjectFile(*name) != 0) return false;
    if (*name != current) makeCurrent(*name);
    return true;
}

void FileCommands::FileOverWriteButtonClick() {
    window_.commitPendingEdit();
    const std::filesystem::path current = window_.currentFile();
    if (current.empty() || IsWriteProtected(current)) {
        MenuSaveAsClick();
        return;
    }
    SaveProjectFile(current);
}

int FileCommands::OpenFromHistory(const std::filesystem::path& name) {
    window_.commitPendingEdit();
    if (!AskToSave()) return 1;
    return OpenProjectFile(name);
}

void FileCommands::openDropped(const std::filesystem::path& name) {
    window_.commitPendingEdit();
    if (!AskToSave()) return;
    OpenProjectFile(name);
}

int FileCommands::OpenProjectFile(const std::filesystem::path& name) {
    // The document shows the opened project.
    if (!window_.document().open(name, window_.messages())) return 1;
    makeCurrent(name);
    return 0;
}

int FileCommands::SaveProjectFile(const std::filesystem::path& name) {
    // Another program (an import into this project) may be writing the file:
    // the save waits for it rather than interleave with it.
    ProjectLock lock;
    if (lock.acquire(name) == ProjectLockStatus::Busy) {
        window_.messages().showMessage(MessageKind::Error,
                                       withReason("データの保存に失敗しました。", lock.failureMessage(name)));
        return 1;
    }
    // The file keeps every item's inputs as its check derives them.
    const ProjectDocument& document = window_.document();
    if (SaveProject(name, document.common(), document.columnsAsSaved(), window_.messages()) != 0) return 1;
    window_.projectSaved();
    return 0;
}

bool FileCommands::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    // A project file dragged anywhere over the window, its fields included,
    // is taken by the window; any other drag goes on as usual.
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != &window_) return QObject::eventFilter(watched, event);
    auto* drop = static_cast<QDropEvent*>(event);
    const std::filesystem::path file = droppedProject(drop->mimeData());
    if (file.empty()) return QObject::eventFilter(watched, event);
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    // The project opens once the drag has ended: the save prompt must not
    // hold the program the file came from.
    if (type == QEvent::Drop) QTimer::singleShot(0, this, [this, file] { openDropped(file); });
    return true;
}

} // namespace tarvo::gui
