#pragma once
// Running the external typesetting programs: the compiler, waited for, and
// the viewer, started and left running. The run goes through an interface so
// that the command line can simply wait while a window polls the compiler
// (showing progress, offering to cancel) without freezing.
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tarvo {

// Full paths of the external programs.
struct LatexTools {
    std::string compiler;
    // A DVI viewer; or, when `pdfConverter` is set, the desktop's opener that
    // shows the PDF `pdfConverter` makes of the DVI file.
    std::string viewer;
    std::string pdfConverter;

    friend bool operator==(const LatexTools&, const LatexTools&) = default;
};

// A started program.
class LatexProcess {
public:
    virtual ~LatexProcess() = default;
    // True once the program has ended (never blocks).
    virtual bool finished() = 0;
    // Blocks until the program ends; its exit status (−1 when it was killed).
    virtual int wait() = 0;
    // Ends the program and waits for it.
    virtual void cancel() = 0;
};

class LatexToolRunner {
public:
    virtual ~LatexToolRunner() = default;
    // Starts `program` with `arguments` in `folder`, its standard input
    // closed and its output discarded; nullptr when it cannot be started.
    virtual std::unique_ptr<LatexProcess> start(const std::string& program, const std::vector<std::string>& arguments,
                                                const std::filesystem::path& folder) = 0;
    // Starts `program` with `arguments` detached (nobody waits for it); false
    // when it cannot be started.
    virtual bool launch(const std::string& program, const std::vector<std::string>& arguments) = 0;
};

// The runner of this platform.
std::unique_ptr<LatexToolRunner> makeLatexToolRunner();

// The start-up search for the tools along the folders of `pathValue` (the
// PATH environment variable): the first compiler and the first viewer found,
// in folder order.
LatexTools findLatexTools(std::string_view pathValue);

} // namespace tarvo
