#pragma once
// The LaTeX settings: the compiler and viewer paths with the
// compile-and-preview mode (section "LaTeX2e" of the settings file), the
// header file "LatexHeader.txt" beside the program, and the print layout
// values the document takes from the stored print defaults.
#include <filesystem>
#include <string>
#include <string_view>

#include "core/report/LatexToolRunner.h"
#include "core/report/LatexWriter.h"
#include "core/text/MessageSink.h"

namespace tarvo {

class IniFile;
struct PrintDefault;

inline constexpr std::string_view kLatexSettingsSection = "LaTeX2e";
inline constexpr std::string_view kLatexHeaderFileName = "LatexHeader.txt";
// The header used when the header file is missing or unreadable: it must
// compile on a stock pLaTeX installation.
inline constexpr std::string_view kDefaultLatexHeader = "\\documentclass[a4j]{jarticle}\n";

struct LatexSettings {
    LatexTools tools;              // filled by the start-up search, then by the stored paths
    bool compileAndPreview = true; // "Mode"

    // Takes the stored values of section "LaTeX2e": "Compiler" and "Viewer"
    // replace the paths only when they are not empty and name an existing
    // file (a path that no longer exists leaves the one found on PATH);
    // "Mode" (default 1) sets the mode.
    void readStored(const IniFile& ini);
    // The same from the settings file; false (nothing changed) when it is
    // missing or unreadable.
    bool readStored(const std::filesystem::path& settingsFile);
    // Writes "Compiler" and "Viewer" when they are not empty and "Mode"
    // always, keeping the section's other keys; only into an existing
    // settings file. False when the file is missing or the write failed.
    [[nodiscard]] bool saveStored(const std::filesystem::path& settingsFile) const;
};

// The header text (UTF-8) and whether it came from the file.
struct LatexHeaderText {
    std::string text;
    bool fromFile = false;
};

// Reads the header file (code page 932); the default header when it is
// missing or cannot be read.
LatexHeaderText loadLatexHeader(const std::filesystem::path& headerFile);
// Saves `text` as the header file, making its folder when it is missing; on
// failure shows "Header Save Error: \n" with the file's path and returns false.
bool saveLatexHeader(const std::filesystem::path& headerFile, std::string_view text, MessageSink& messages);

// The print layout values the document uses, from the stored print defaults
// (sections "Print Layout" and "Print Header" of the settings file).
LatexLayout latexLayoutFrom(const PrintDefault& defaults);

// The folder for a project without a file: TMPDIR, else TMP, else TEMP
// (the first that is set and not empty), else "/tmp".
std::filesystem::path latexTemporaryFolder();

} // namespace tarvo
