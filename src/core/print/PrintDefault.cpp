#include "core/print/PrintDefault.h"

#include <string>
#include <system_error>
#include <vector>

#include "core/text/IniFile.h"

namespace tarvo {
namespace {

std::string boolText(bool value) {
    return value ? "1" : "0";
}

} // namespace

PrintDefault builtInPrintDefault() {
    PrintDefault defaults;
    defaults.BottomMargin = 15;
    return defaults;
}

PrintDefault readPrintDefault(const IniFile& file) {
    const PrintDefault fallback;
    PrintDefault d;
    const auto layout = kPrintLayoutSection;
    d.TitleFontName = file.getString(layout, "TitleFontName", fallback.TitleFontName);
    d.BodyFontName = file.getString(layout, "BodyFontName", fallback.BodyFontName);
    d.HeaderFontName = file.getString(layout, "HeaderFontName", fallback.HeaderFontName);
    d.TitleFontSize = file.getInt(layout, "TitleFontSize", fallback.TitleFontSize);
    d.BodyFontSize = file.getInt(layout, "BodyFontSize", fallback.BodyFontSize);
    d.HeaderFontSize = file.getInt(layout, "HeaderFontSize", fallback.HeaderFontSize);
    d.TitleFontStyle = file.getString(layout, "TitleFontStyle");
    d.BodyFontStyle = file.getString(layout, "BodyFontStyle");
    d.HeaderFontStyle = file.getString(layout, "HeaderFontStyle");
    d.LeftMargin = file.getInt(layout, "LeftMargin", fallback.LeftMargin);
    d.TopMargin = file.getInt(layout, "TopMargin", fallback.TopMargin);
    d.BottomMargin = file.getInt(layout, "BottomMargin", fallback.BottomMargin);
    d.HeaderSideMargin = file.getInt(layout, "HeaderSideMargin", fallback.HeaderSideMargin);
    d.HeaderTopMargin = file.getInt(layout, "HeaderTopMargin", fallback.HeaderTopMargin);
    d.ParagraphSpace = file.getInt(layout, "ParagraphSpace", fallback.ParagraphSpace);
    d.Indent = file.getInt(layout, "Indent", fallback.Indent);
    d.ChangeEvenHeaderPos = file.getBool(layout, "ChangeEvenHeaderPos", fallback.ChangeEvenHeaderPos);
    const auto header = kPrintHeaderSection;
    d.IsTitlePrint = file.getBool(header, "IsTitlePrint", fallback.IsTitlePrint);
    d.IsHeaderPrint = file.getBool(header, "IsHeaderPrint", fallback.IsHeaderPrint);
    d.IsSummaryPrint = file.getBool(header, "IsSummaryPrint", fallback.IsSummaryPrint);
    d.IsMaterialsPrint = file.getBool(header, "IsMaterialsPrint", fallback.IsMaterialsPrint);
    d.FirstPageNo = file.getInt(header, "FirstPageNo", fallback.FirstPageNo);
    if (const auto title = file.find(header, "Title")) {
        d.Title = decodeStoredTitle(*title);
    }
    return d;
}

PrintDefault loadPrintDefault(const std::filesystem::path& settingsFile) {
    std::error_code error;
    if (settingsFile.empty() || !std::filesystem::exists(settingsFile, error)) return builtInPrintDefault();
    IniFile file;
    // A settings file that exists but cannot be read counts as one without keys.
    file.load(settingsFile);
    return readPrintDefault(file);
}

IniWriteResult savePrintDefault(const std::filesystem::path& settingsFile, const PrintDefault& d) {
    const std::vector<IniFile::Entry> layout{
        {"TitleFontName", d.TitleFontName},
        {"BodyFontName", d.BodyFontName},
        {"HeaderFontName", d.HeaderFontName},
        {"TitleFontSize", std::to_string(d.TitleFontSize)},
        {"BodyFontSize", std::to_string(d.BodyFontSize)},
        {"HeaderFontSize", std::to_string(d.HeaderFontSize)},
        {"TitleFontStyle", d.TitleFontStyle},
        {"BodyFontStyle", d.BodyFontStyle},
        {"HeaderFontStyle", d.HeaderFontStyle},
        {"LeftMargin", std::to_string(d.LeftMargin)},
        {"TopMargin", std::to_string(d.TopMargin)},
        {"BottomMargin", std::to_string(d.BottomMargin)},
        {"HeaderSideMargin", std::to_string(d.HeaderSideMargin)},
        {"HeaderTopMargin", std::to_string(d.HeaderTopMargin)},
        {"ParagraphSpace", std::to_string(d.ParagraphSpace)},
        {"Indent", std::to_string(d.Indent)},
        {"ChangeEvenHeaderPos", boolText(d.ChangeEvenHeaderPos)},
    };
    const std::vector<IniFile::Entry> header{
        {"IsTitlePrint", boolText(d.IsTitlePrint)},     {"IsHeaderPrint", boolText(d.IsHeaderPrint)},
        {"IsSummaryPrint", boolText(d.IsSummaryPrint)}, {"IsMaterialsPrint", boolText(d.IsMaterialsPrint)},
        {"FirstPageNo", std::to_string(d.FirstPageNo)}, {"Title", encodeStoredTitle(d.Title)},
    };
    IniWriteResult written = IniFile::writeSection(settingsFile, kPrintLayoutSection, layout);
    if (!written) return written;
    return IniFile::writeSection(settingsFile, kPrintHeaderSection, header);
}

std::string encodeStoredTitle(std::string_view title) {
    std::string stored;
    stored.reserve(title.size());
    for (const char c : title) {
        if (c == '\r') continue;
        if (c == '\n') {
            stored += "\\n";
        } else {
            stored += c;
        }
    }
    return stored;
}

std::string decodeStoredTitle(std::string_view stored) {
    std::string title;
    title.reserve(stored.size());
    for (std::size_t i = 0; i < stored.size(); ++i) {
        if (stored[i] == '\\' && i + 1 < stored.size() && stored[i + 1] == 'n') {
            title += '\n';
            ++i;
        } else {
            title += stored[i];
        }
    }
    return title;
}

} // namespace tarvo
