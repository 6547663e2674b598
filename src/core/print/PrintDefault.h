#pragma once
// The stored print layout defaults: sections "Print Layout" and
// "Print Header" of the settings file.
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "core/text/IniFile.h"

namespace tarvo {

struct PrintDefault {
    std::string TitleFontName = "ＭＳ Ｐゴシック";
    std::string BodyFontName = "ＭＳ Ｐ明朝";
    std::string HeaderFontName = "Century";
    std::int32_t TitleFontSize = 11;
    std::int32_t BodyFontSize = 10;
    std::int32_t HeaderFontSize = 12;
    std::string TitleFontStyle;
    std::string BodyFontStyle;
    std::string HeaderFontStyle;
    std::int32_t LeftMargin = 20;
    std::int32_t TopMargin = 15;
    std::int32_t BottomMargin = 10;
    std::int32_t HeaderSideMargin = 15;
    std::int32_t HeaderTopMargin = 6;
    std::int32_t ParagraphSpace = 3;
    std::int32_t Indent = 5;
    bool ChangeEvenHeaderPos = false;
    std::int32_t FirstPageNo = 0;
    bool IsTitlePrint = true;
    bool IsHeaderPrint = true;
    bool IsSummaryPrint = false;       // the summary of the columns before the column pages
    bool IsMaterialsPrint = false;     // the list of materials before the column pages
    std::string Title = "§　柱の設計"; // line breaks as '\n'

    friend bool operator==(const PrintDefault&, const PrintDefault&) = default;
};

inline constexpr std::string_view kPrintLayoutSection = "Print Layout";
inline constexpr std::string_view kPrintHeaderSection = "Print Header";

// The defaults of a program that has no settings file yet: the missing-key
// defaults with a bottom margin of 15 mm.
PrintDefault builtInPrintDefault();
// Reads both sections; a missing key gives its default (bottom margin 10 mm).
PrintDefault readPrintDefault(const IniFile& file);
// Reads `settingsFile` when it exists, otherwise the built-in defaults.
PrintDefault loadPrintDefault(const std::filesystem::path& settingsFile);
// Writes every key of both sections (the file is created when missing);
// fails, with the reason, when the file could not be written.
IniWriteResult savePrintDefault(const std::filesystem::path& settingsFile, const PrintDefault& defaults);

// The title is stored on one line: each line break becomes the two
// characters "\n" and carriage returns are dropped.
std::string encodeStoredTitle(std::string_view title);
std::string decodeStoredTitle(std::string_view stored);

} // namespace tarvo
