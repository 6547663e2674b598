#include "core/project/FileHistory.h"

#include <algorithm>
#include <system_error>

#include "core/text/Cp932Codec.h"
#include "core/text/FileReader.h"
#include "core/text/SafeFileWriter.h"
#include "core/text/SettingsLocation.h"

namespace tarvo {
namespace {

// A history file is a few lines; anything far larger is not one.
constexpr std::uintmax_t kMaxHistoryBytes = std::uintmax_t{1} << 20;

bool fileExists(const std::filesystem::path& path) {
    std::error_code ec;
    return !path.empty() && std::filesystem::exists(path, ec);
}

// The path's bytes in code page 932, when they come back unchanged: the
// conversion maps a few characters to look-alikes ("〜" to "～"), and such a
// line would name another file.
std::optional<std::string> storedForm(const std::filesystem::path& path) {
    const std::string& native = path.native();
    if (native.empty() || native.find_first_of("\r\n") != std::string::npos) return std::nullopt;
    TextConversion cp932 = utf8ToCp932(native);
    if (!cp932.ok) return std::nullopt;
    const TextConversion back = cp932ToUtf8(cp932.text);
    if (!back.ok || back.text != native) return std::nullopt;
    return std::move(cp932.text);
}

} // namespace

void FileHistory::load(const std::filesystem::path& historyFile) {
    historyFile_ = historyFile;
    entries_.clear();
    current_.clear();
    loadedBytes_.reset();
    std::string bytes;
    if (FileReader::readAll(historyFile, kMaxHistoryBytes, bytes) != FileReadStatus::Ok) return;
    for (auto& path : parse(bytes)) {
        if (entries_.size() >= itemsMax_) break;
        if (!fileExists(path) || std::find(entries_.begin(), entries_.end(), path) != entries_.end()) continue;
        entries_.push_back(std::move(path));
    }
    loadedBytes_ = std::move(bytes);
}

bool FileHistory::remake(const std::filesystem::path& name) {
    const std::vector<std::filesystem::path> before = entries_;
    if (fileExists(current_)) {
        std::erase(entries_, current_);
        entries_.insert(entries_.begin(), current_);
    }
    if (!name.empty()) std::erase(entries_, name);
    if (entries_.size() > itemsMax_) entries_.resize(itemsMax_);
    current_ = name;
    return entries_ != before;
}

std::vector<std::filesystem::path> FileHistory::listToSave() const {
    std::vector<std::filesystem::path> list;
    list.reserve(entries_.size() + 1);
    if (fileExists(current_)) list.push_back(current_);
    for (const auto& entry : entries_) {
        if (list.size() >= itemsMax_) break;
        if (entry != current_) list.push_back(entry);
    }
    return list;
}

bool FileHistory::save() const {
    if (historyFile_.empty()) return true;
    const std::vector<std::filesystem::path> list = listToSave();
    if (list.empty()) return true;
    const std::string bytes = serialize(list);
    if (loadedBytes_ && *loadedBytes_ == bytes) return true;
    if (!createFolderFor(historyFile_)) return false;
    return SafeFileWriter::replace(historyFile_, bytes) == SafeWriteStatus::Ok;
}

std::string FileHistory::serialize(const std::vector<std::filesystem::path>& entries) {
    std::string bytes;
    for (const auto& entry : entries) {
        if (const auto stored = storedForm(entry)) bytes.append(*stored).append("\r\n");
    }
    return bytes;
}

std::vector<std::filesystem::path> FileHistory::parse(std::string_view bytes) {
    std::vector<std::filesystem::path> paths;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty()) continue;
        TextConversion utf8 = cp932ToUtf8(line);
        if (!utf8.ok) continue;
        paths.emplace_back(std::move(utf8.text));
    }
    return paths;
}

} // namespace tarvo
