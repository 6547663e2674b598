#pragma once
// One compile-and-view run on a written .tex file: the DVI file of an earlier
// run is deleted, the compiler runs in the .tex file's folder with the file
// name as its argument, and, when it has left a DVI file, the viewer is
// started with the DVI path. The caller decides how to wait: `wait` blocks,
// `finished` lets a window poll and `cancel` ends the compiler.
#include <filesystem>
#include <memory>
#include <string>

#include "core/report/LatexToolRunner.h"

namespace tarvo {

enum class LatexRunStatus {
    NoCompiler,    // no compiler path, or no file there
    NotStarted,    // the compiler could not be started
    Running,       // started, not yet finished
    Compiled,      // the compiler left a DVI file
    CompileFailed, // the compiler ended without a DVI file
    Cancelled,     // the user ended the compiler
};

class LatexTypesetRun {
public:
    LatexTypesetRun(LatexToolRunner& runner, LatexTools tools, std::filesystem::path texFile);

    // Deletes an old DVI file and starts the compiler. A pLaTeX compiler is
    // told that the file is Shift-JIS and never to stop for keyboard input.
    LatexRunStatus start();
    // True when the compiler has ended (or was never started).
    bool finished();
    // Waits for the compiler and judges its outcome.
    LatexRunStatus wait();
    // Ends a running compiler.
    void cancel();
    // Starts the viewer when a viewer exists and the DVI file exists (a PDF
    // is made first when the viewer shows PDF files). False otherwise.
    bool startViewer();

    [[nodiscard]] LatexRunStatus status() const { return status_; }
    [[nodiscard]] const std::filesystem::path& dviFile() const { return dviFile_; }
    [[nodiscard]] const std::filesystem::path& logFile() const { return logFile_; }
    // The first error line ("! ...") of the compiler's log after a failed
    // compile, UTF-8; empty when the log has none.
    [[nodiscard]] const std::string& firstErrorLine() const { return firstErrorLine_; }

    // The arguments for `compiler` to compile `texName`.
    static std::vector<std::string> compilerArguments(const std::string& compiler, const std::string& texName);
    // The first line of a TeX log (code page 932) that starts with "!".
    static std::string firstLogError(const std::filesystem::path& logFile);

private:
    LatexRunStatus judge();

    LatexToolRunner& runner_;
    LatexTools tools_;
    std::filesystem::path texFile_;
    std::filesystem::path dviFile_;
    std::filesystem::path logFile_;
    std::unique_ptr<LatexProcess> process_;
    LatexRunStatus status_ = LatexRunStatus::NotStarted;
    std::string firstErrorLine_;
};

} // namespace tarvo
