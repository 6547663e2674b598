#include "core/report/LatexSettings.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <system_error>
#include <vector>

#include "core/print/PrintDefault.h"
#include "core/text/Cp932Codec.h"
#include "core/text/IniFile.h"
#include "core/text/SafeFileWriter.h"
#include "core/text/SettingsLocation.h"

namespace tarvo {
namespace {

constexpr std::string_view kCompilerKey = "Compiler";
constexpr std::string_view kViewerKey = "Viewer";
constexpr std::string_view kModeKey = "Mode";
// Largest header file read.
constexpr std::uintmax_t kMaxHeaderBytes = 1u << 20;

bool fileExists(const std::string& path) {
    std::error_code ec;
    return !path.empty() && std::filesystem::is_regular_file(path, ec);
}

std::string trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

void setEntry(std::vector<IniFile::Entry>& entries, std::string_view key, std::string value) {
    for (auto& entry : entries) {
        if (entry.key.size() == key.size() && std::equal(key.begin(), key.end(), entry.key.begin(), [](char a, char b) {
                return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
            })) {
            entry.value = std::move(value);
            return;
        }
    }
    entries.push_back({std::string(key), std::move(value)});
}

} // namespace

void LatexSettings::readStored(const IniFile& ini) {
    const std::string compiler = trimmed(ini.getString(kLatexSettingsSection, kCompilerKey));
    if (fileExists(compiler)) tools.compiler = compiler;
    const std::string viewer = trimmed(ini.getString(kLatexSettingsSection, kViewerKey));
    if (fileExists(viewer)) {
        // A viewer chosen by the user is given the DVI file itself.
        tools.viewer = viewer;
        tools.pdfConverter.clear();
    }
    compileAndPreview = ini.getInt(kLatexSettingsSection, kModeKey, 1) != 0;
}

bool LatexSettings::readStored(const std::filesystem::path& settingsFile) {
    IniFile ini;
    if (!ini.load(settingsFile)) return false;
    readStored(ini);
    return true;
}

bool LatexSettings::saveStored(const std::filesystem::path& settingsFile) const {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(settingsFile, ec)) return false;
    IniFile ini;
    if (!ini.load(settingsFile)) return false;
    std::vector<IniFile::Entry> entries = ini.entries(kLatexSettingsSection);
    if (!tools.compiler.empty()) setEntry(entries, kCompilerKey, tools.compiler);
    if (!tools.viewer.empty() && tools.pdfConverter.empty()) setEntry(entries, kViewerKey, tools.viewer);
    setEntry(entries, kModeKey, compileAndPreview ? "1" : "0");
    return static_cast<bool>(IniFile::writeSection(settingsFile, kLatexSettingsSection, entries));
}

LatexHeaderText loadLatexHeader(const std::filesystem::path& headerFile) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(headerFile, ec);
    if (!ec && size <= kMaxHeaderBytes && std::filesystem::is_regular_file(headerFile, ec)) {
        std::ifstream in(headerFile, std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (in.good() || in.eof()) return {toUtf8(bytes), true};
    }
    return {std::string(kDefaultLatexHeader), false};
}

bool saveLatexHeader(const std::filesystem::path& headerFile, std::string_view text, MessageSink& messages) {
    // One line per line of the editor, each ended by CR LF as the Windows
    // program writes them.
    std::string lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.append(line);
        lines += "\r\n";
        start = end + 1;
    }
    if (createFolderFor(headerFile) && SafeFileWriter::replace(headerFile, toCp932(lines)) == SafeWriteStatus::Ok)
        return true;
    messages.showMessage(MessageKind::Error, "Header Save Error: \n" + headerFile.string());
    return false;
}

LatexLayout latexLayoutFrom(const PrintDefault& defaults) {
    LatexLayout layout;
    layout.FirstPageNo = defaults.FirstPageNo;
    layout.IsTitlePrint = defaults.IsTitlePrint;
    layout.IsHeaderPrint = defaults.IsHeaderPrint;
    layout.IsSummaryPrint = defaults.IsSummaryPrint;
    layout.IsMaterialsPrint = defaults.IsMaterialsPrint;
    layout.Title = defaults.Title;
    layout.ParagraphSpace = defaults.ParagraphSpace;
    layout.Indent = defaults.Indent;
    return layout;
}

std::filesystem::path latexTemporaryFolder() {
    for (const char* name : {"TMPDIR", "TMP", "TEMP"}) {
        if (const char* value = std::getenv(name); value != nullptr && *value != '\0') return value;
    }
    return "/tmp";
}

} // namespace tarvo
