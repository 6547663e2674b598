#pragma once
// The LaTeX output command "出力(&O)": asks where to write the report as a
// LaTeX document, writes it (replacing an earlier file only once the new one
// is complete) and, when the settings say so, compiles it and opens the
// viewer. The compiler runs while a progress dialog keeps the window alive
// and offers to cancel it.
#include <filesystem>

#include "core/report/LatexWriter.h"

class QWidget;

namespace tarvo {
class ColumnCheck;
class LatexTypesetRun;
class ColumnsData;
class MessageSink;
} // namespace tarvo

namespace tarvo::gui {

class LatexForm;

class LatexOutput {
public:
    LatexOutput(QWidget* window, const LatexForm& form, const ColumnCheck& check, MessageSink& messages)
        : window_(window), form_(form), check_(check), messages_(messages) {}

    // Runs the command for `columns` (every item, the print selection does
    // not apply). `projectFile` is the open project's file (empty for a new
    // project); `layout` carries the print layout values of the document.
    void run(ColumnsData& columns, const std::filesystem::path& projectFile, const LatexLayout& layout);

    // "Tarvo.tex" beside the project, or in the temporary folder for a
    // project without a file.
    static std::filesystem::path proposedPath(const std::filesystem::path& projectFile);

private:
    bool choosePath(const std::filesystem::path& proposed, std::filesystem::path& chosen);
    bool writeDocument(ColumnsData& columns, const LatexLayout& layout, const std::filesystem::path& texFile);
    void compileAndView(const std::filesystem::path& texFile);
    // Opens the compiled document, or says why it cannot and what to install.
    void startViewer(LatexTypesetRun& run, const std::filesystem::path& texFile);

    QWidget* window_;
    const LatexForm& form_;
    const ColumnCheck& check_;
    MessageSink& messages_;
};

} // namespace tarvo::gui
