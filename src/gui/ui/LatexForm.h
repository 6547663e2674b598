#pragma once
// The LaTeX settings dialog "LaTeX 環境設定": the compiler and the viewer,
// whether the output is compiled and shown, and the header lines that open
// every document. The paths come from the search along PATH at start, then
// from the settings file; they are written back when the dialog goes away.
#include <QDialog>

#include <filesystem>
#include <string>

#include "core/report/LatexSettings.h"

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace tarvo::gui {

class LatexForm : public QDialog {
    Q_OBJECT
public:
    // `settingsFile` is Tarvo.ini, `headerFile` LatexHeader.txt.
    LatexForm(std::filesystem::path settingsFile, std::filesystem::path headerFile, QWidget* parent = nullptr);
    // Writes "Compiler", "Viewer" and "Mode" when the settings file exists.
    ~LatexForm() override;
    LatexForm(const LatexForm&) = delete;
    LatexForm& operator=(const LatexForm&) = delete;

    // The tools and the mode, as taken when the dialog last closed.
    [[nodiscard]] const LatexSettings& settings() const { return settings_; }
    // The header lines of the editor (UTF-8, lines separated by '\n').
    [[nodiscard]] std::string headerText() const;
    [[nodiscard]] const std::filesystem::path& headerFile() const { return headerFile_; }

    // Takes the two paths (blanks trimmed) on every way of closing.
    void done(int result) override;

signals:
    // The header or a path was edited: the project counts as changed.
    void changed();

private:
    void chooseProgram(QLineEdit* edit, const char* dialogName, const QString& filter);
    void modeToggled(bool on);
    void saveHeader();

    std::filesystem::path settingsFile_;
    std::filesystem::path headerFile_;
    LatexSettings settings_;
    QString shownViewer_; // the viewer as the field showed it when opened

    QCheckBox* mode_ = nullptr;
    QPushButton* compilerButton_ = nullptr;
    QLineEdit* compilerEdit_ = nullptr;
    QPushButton* viewerButton_ = nullptr;
    QLineEdit* viewerEdit_ = nullptr;
    QPlainTextEdit* edit_ = nullptr;
};

} // namespace tarvo::gui
