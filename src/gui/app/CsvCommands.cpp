#include "gui/app/CsvCommands.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>

#include <filesystem>

#include "core/check/ColumnCheck.h"
#include "gui/app/FileCommands.h"
#include "gui/app/MainForm.h"
#include "gui/print/QtText.h"

namespace tarvo::gui {
namespace {

const QString kCsvFilter = QStringLiteral("CSVファイル(*.csv *.txt);;すべてのファイル(*)");

QString chooseWithDialog(QWidget* parent, const QString& caption, const QString& suggested, bool save) {
    if (save) return QFileDialog::getSaveFileName(parent, caption, suggested, kCsvFilter);
    return QFileDialog::getOpenFileName(parent, caption, suggested, kCsvFilter);
}

std::optional<CsvImportMode> askImportMode(QWidget* parent) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("CSV 読込み"),
                    QStringLiteral("CSV ファイルの柱を今の柱の後に追加しますか？\n"
                                   "それとも今の柱をすべて置き換えますか？"),
                    QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("CsvImportModeBox"));
    QPushButton* append = box.addButton(QStringLiteral("追加(&A)"), QMessageBox::AcceptRole);
    QPushButton* replace = box.addButton(QStringLiteral("置き換え(&R)"), QMessageBox::DestructiveRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(append);
    box.exec();
    if (box.clickedButton() == append) return CsvImportMode::Append;
    if (box.clickedButton() == replace) return CsvImportMode::Replace;
    return std::nullopt;
}

} // namespace

CsvCommands::CsvCommands(MainForm& window, QMenu& fileMenu, QAction* before)
    : QObject(&window), window_(window), chooser_(chooseWithDialog), modeChooser_(askImportMode) {
    QMenu* file = &fileMenu;
    const auto add = [&](const QString& text, const char* name, void (CsvCommands::*handler)()) {
        auto* action = new QAction(text, &window);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, handler);
        file->insertAction(before, action);
        return action;
    };
    QAction* first = add(QStringLiteral("CSV 読込み(&I)..."), "MenuCsvImport", &CsvCommands::importItems);
    add(QStringLiteral("CSV 書出し(&E)..."), "MenuCsvExport", &CsvCommands::exportItems);
    add(QStringLiteral("結果を CSV に書出し(&R)..."), "MenuCsvResults", &CsvCommands::exportResults);
    // A group of their own after the print entries.
    file->insertSeparator(first);
}

QString CsvCommands::suggestedFile(const QString& suffix) const {
    const std::filesystem::path& project = window_.currentFile();
    if (project.empty()) return lastFolder_;
    const QFileInfo info(fromPath(project));
    const QString folder = lastFolder_.isEmpty() ? info.absolutePath() : lastFolder_;
    return folder + QLatin1Char('/') + info.completeBaseName() + suffix + QStringLiteral(".csv");
}

QString CsvCommands::choose(const QString& caption, const QString& suggested, bool save) {
    QString file = chooser_(&window_, caption, suggested, save);
    if (!file.isEmpty()) lastFolder_ = QFileInfo(file).absolutePath();
    return file;
}

void CsvCommands::importItems() {
    window_.commitPendingEdit();
    const QString file = choose(QStringLiteral("CSV 読込み"), lastFolder_, false);
    if (file.isEmpty()) return;
    const std::optional<CsvImportMode> mode = modeChooser_(&window_);
    if (!mode) return;
    // Replacing discards the list in memory: its unsaved edits are saved
    // first or given up only when the engineer says so.
    if (*mode == CsvImportMode::Replace && !window_.fileCommands().AskToSave()) return;
    // The import reads into a copy of the list; the document takes the
    // result as one command and shows its first imported item.
    ProjectDocument& document = window_.document();
    ColumnsData imported = document.itemsCopy();
    const CsvImportOutcome outcome =
        ImportColumnsCsv(toPath(file), document.common(), imported, *mode, window_.messages());
    if (!outcome.imported) return;
    std::vector<MemberInputData> items;
    items.reserve(static_cast<std::size_t>(imported.Count()));
    for (int i = 0; i < imported.Count(); ++i)
        items.push_back(imported.Item(i).input());
    document.replaceItems(std::move(items), outcome.firstIndex, QStringLiteral("CSV 読込み"), window_.currentPage());
}

void CsvCommands::exportItems() {
    window_.commitPendingEdit();
    const QString file = choose(QStringLiteral("CSV 書出し"), suggestedFile(QString()), true);
    if (file.isEmpty()) return;
    ExportColumnsCsv(toPath(file), window_.document().columnsAsSaved(), window_.messages());
}

void CsvCommands::exportResults() {
    window_.commitPendingEdit();
    const QString file = choose(QStringLiteral("結果を CSV に書出し"), suggestedFile(QStringLiteral("_結果")), true);
    if (file.isEmpty()) return;
    ExportResultsCsv(toPath(file), window_.columns(), window_.document().check(), window_.messages());
}

} // namespace tarvo::gui
