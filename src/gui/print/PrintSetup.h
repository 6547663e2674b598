#pragma once
// The print layout dialog "印刷設定": fonts, margins, paragraph space,
// indent, page-number position and first number, title and legend switches
// and the title text, edited straight in the printer record and the print
// settings every print, preview and LaTeX output uses. It owns both, with
// the stored defaults that can be registered in and re-applied from the
// settings file. It closes only through OK.
#include <QDialog>

#include <array>
#include <filesystem>

#include "core/print/PrintDefault.h"
#include "core/print/PrintSettings.h"
#include "core/print/PrinterInfomation.h"

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tarvo {
class MessageSink;
}

namespace tarvo::gui {

class NumberEdit;
class PrinterAccess;
class UpDownButtons;

class PrintSetup : public QDialog {
    Q_OBJECT
public:
    // Reads the stored defaults from `settingsFile` (the built-in ones when
    // it does not exist) and applies them to the current printer.
    PrintSetup(PrinterAccess& access, std::filesystem::path settingsFile, MessageSink& messages,
               QWidget* parent = nullptr);
    // A field that loses the focus on the way out must not reach back into
    // the half-destroyed window.
    ~PrintSetup() override;
    PrintSetup(const PrintSetup&) = delete;
    PrintSetup& operator=(const PrintSetup&) = delete;

    [[nodiscard]] PrinterInfomation& printer() { return printer_; }
    [[nodiscard]] const PrinterInfomation& printer() const { return printer_; }
    [[nodiscard]] PrintSettings& settings() { return settings_; }
    [[nodiscard]] const PrintSettings& settings() const { return settings_; }
    [[nodiscard]] const PrintDefault& storedDefaults() const { return defaults_; }
    [[nodiscard]] PrinterAccess& access() const { return access_; }

    // "デフォルトの設定を読込み": the stored defaults replace the current
    // settings (margins below the printer's limits are raised).
    void applyStoredDefaults();
    // Printer, paper, fonts, the margin limits of the printer and every value.
    void showSettings();
    // "デフォルトの設定として登録": the current settings become the stored
    // defaults and are written to the settings file; false (the user was
    // told) when the file could not be written.
    bool registerDefaults();

    // Esc does not close the dialog: only OK does.
    void reject() override;
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    struct Field {
        NumberEdit* edit = nullptr;
        UpDownButtons* upDown = nullptr;
    };
    enum FieldIndex {
        kLeft,
        kTop,
        kBottom,
        kParagraphSpace,
        kIndent,
        kPageNoTop,
        kPageNoSide,
        kFirstPageNo,
        kFieldCount
    };

    Field makeField(const char* name, const char* upDownName, const QString& hint, int* variable, int maximum);
    void fieldLeft(Field& field);
    void stepped(Field& field, int position);
    void showFontLabels();
    void showSwitches();
    void chooseFont(int tag);
    void printerSetup();
    // Says what a layout without room for the text gets wrong and moves the
    // focus to its setting; true when the layout was refused.
    bool refuseUnprintableLayout();

    PrinterAccess& access_;
    std::filesystem::path settingsFile_;
    MessageSink& messages_;
    PrinterInfomation printer_;
    PrintSettings settings_;
    PrintDefault defaults_;

    std::array<Field, kFieldCount> fields_{};
    QLabel* selectPrinter_ = nullptr;
    QLabel* paperInfo_ = nullptr;
    std::array<QLabel*, 3> fontLabels_{};
    std::array<QPushButton*, 3> fontButtons_{};
    QCheckBox* headerPosChange_ = nullptr;
    QCheckBox* isTitlePrint_ = nullptr;
    QCheckBox* isHeaderPrint_ = nullptr;
    QCheckBox* isSummaryPrint_ = nullptr;
    QCheckBox* isMaterialsPrint_ = nullptr;
    QPlainTextEdit* titleEdit_ = nullptr;
    QPushButton* okButton_ = nullptr;
};

} // namespace tarvo::gui
