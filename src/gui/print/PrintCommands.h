#pragma once
// The print commands of the main window: the print layout dialog, printing,
// the preview and the print selection dialog, sharing one printer access,
// one printer record and one report source. The layout dialog is made at
// once (it holds the layout every print uses); the preview and the selection
// dialog when first opened.
#include <QPointer>

#include <filesystem>

#include "core/print/ReportTextSource.h"
#include "core/report/LatexWriter.h"
#include "gui/print/PrinterAccess.h"
#include "gui/print/ReportPrinter.h"

class QWidget;

namespace tarvo {
class ColumnCheck;
class ColumnsData;
class CommonData;
class MessageSink;
} // namespace tarvo

namespace tarvo::gui {

class PreviewForm;
class PrintSetup;
class SelectDialog;

class PrintCommands {
public:
    // `window` owns the dialogs; `settingsFile` holds the stored layout.
    PrintCommands(QWidget* window, const std::filesystem::path& settingsFile, const CommonData& common,
                  ColumnsData& columns, const ColumnCheck& check, MessageSink& messages);
    ~PrintCommands();
    PrintCommands(const PrintCommands&) = delete;
    PrintCommands& operator=(const PrintCommands&) = delete;

    // "印刷設定(&U)": the print layout dialog.
    void printSetup();
    // "印刷(&P)..." and the print button: every item.
    PrintOutcome print();
    // The preview button: every item.
    void preview();
    // "データを選択して印刷(&D)": the print selection dialog.
    void selectPrint();

    // The print layout values the LaTeX document takes.
    [[nodiscard]] LatexLayout latexLayout() const;

    [[nodiscard]] PrintSetup& setup() const;
    [[nodiscard]] PrinterAccess& access() { return access_; }

    // The preview's zoom level: each showing starts at the one it was left at.
    [[nodiscard]] int previewZoom() const { return previewZoom_; }
    void setPreviewZoom(int index) { previewZoom_ = index; }

private:
    // The preview at the remembered zoom; its zoom is remembered afterwards.
    void showPreview();
    PreviewForm& previewForm();

    QWidget* window_;
    ColumnsData& columns_;
    const ColumnCheck& check_;
    PrinterAccess access_;
    ReportTextSource source_;
    QPointer<PrintSetup> setup_;
    ReportPrinter printer_;
    QPointer<PreviewForm> preview_;
    int previewZoom_ = 0;
    QPointer<SelectDialog> select_;
};

} // namespace tarvo::gui
