#include "core/text/IniFile.h"

#include <algorithm>
#include <charconv>
#include <initializer_list>
#include <limits>
#include <system_error>

#include "core/text/AsciiCase.h"
#include "core/text/Cp932Codec.h"
#include "core/text/FileReader.h"
#include "core/text/SafeFileWriter.h"
#include "core/text/SettingsLocation.h"

namespace tarvo {
namespace {

std::string_view trim(std::string_view s) {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool equalsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return asciiLower(x) == asciiLower(y); });
}

// A value written in double quotes is read without them.
// Joins pieces with append (GCC 12 warns falsely about operator+ chains at -O3).
std::string join(std::initializer_list<std::string_view> pieces) {
    std::string text;
    for (const auto piece : pieces)
        text.append(piece);
    return text;
}

std::string_view unquote(std::string_view value) {
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') return value.substr(1, value.size() - 2);
    return value;
}

} // namespace

IniFile IniFile::parse(std::string_view cp932Bytes) {
    IniFile file;
    std::size_t pos = 0;
    while (pos < cp932Bytes.size()) {
        // CR and LF never occur inside a two-byte CP932 character, so the raw
        // bytes can be split before any conversion.
        const std::size_t stop = cp932Bytes.find_first_of("\r\n", pos);
        Line line;
        if (stop == std::string_view::npos) {
            line.raw = std::string(cp932Bytes.substr(pos));
            pos = cp932Bytes.size();
        } else {
            line.raw = std::string(cp932Bytes.substr(pos, stop - pos));
            const bool crlf = cp932Bytes[stop] == '\r' && stop + 1 < cp932Bytes.size() && cp932Bytes[stop + 1] == '\n';
            line.eol = std::string(cp932Bytes.substr(stop, crlf ? 2 : 1));
            pos = stop + line.eol.size();
        }
        file.lines_.push_back(std::move(line));
    }
    file.index();
    return file;
}

bool IniFile::load(const std::filesystem::path& path) {
    std::string bytes;
    if (FileReader::readAll(path, kMaxFileBytes, bytes) != FileReadStatus::Ok) {
        *this = IniFile{};
        return false;
    }
    *this = parse(bytes);
    return true;
}

void IniFile::index() {
    sections_.clear();
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const std::string text = toUtf8(lines_[i].raw);
        const std::string_view line = trim(text);
        if (!line.empty() && line.front() == '[') {
            if (!sections_.empty()) sections_.back().end = i;
            std::string_view name = line.substr(1);
            name = name.substr(0, name.find(']'));
            sections_.push_back({std::string(trim(name)), i, lines_.size(), {}});
            continue;
        }
        // Lines before the first section, comments and lines without "=" are kept but carry no key.
        if (sections_.empty() || line.empty() || line.front() == ';') continue;
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) continue;
        const std::string_view key = trim(line.substr(0, equals));
        if (key.empty()) continue;
        sections_.back().keys.push_back({std::string(key), std::string(unquote(trim(line.substr(equals + 1))))});
    }
}

const IniFile::Section* IniFile::findSection(std::string_view section) const {
    for (const auto& s : sections_) {
        if (equalsNoCase(s.name, section)) return &s;
    }
    return nullptr;
}

bool IniFile::hasSection(std::string_view section) const {
    return findSection(section) != nullptr;
}

std::vector<std::string> IniFile::sectionNames() const {
    std::vector<std::string> names;
    for (const auto& s : sections_)
        names.push_back(s.name);
    return names;
}

std::vector<IniFile::Entry> IniFile::entries(std::string_view section) const {
    std::vector<Entry> result;
    if (const Section* s = findSection(section)) {
        for (const auto& key : s->keys)
            result.push_back({key.name, key.value});
    }
    return result;
}

std::optional<std::string> IniFile::find(std::string_view section, std::string_view key) const {
    const Section* s = findSection(section);
    if (s == nullptr) return std::nullopt;
    for (const auto& k : s->keys) {
        if (equalsNoCase(k.name, key)) return k.value;
    }
    return std::nullopt;
}

std::string IniFile::getString(std::string_view section, std::string_view key, std::string_view defaultValue) const {
    const auto value = find(section, key);
    return value ? *value : std::string(defaultValue);
}

int IniFile::getInt(std::string_view section, std::string_view key, int defaultValue) const {
    const auto value = find(section, key);
    if (!value) return defaultValue;
    std::string_view text = *value;
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    long long number = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (ec != std::errc{} || end != text.data() + text.size()) return defaultValue;
    if (number < std::numeric_limits<int>::min() || number > std::numeric_limits<int>::max()) return defaultValue;
    return static_cast<int>(number);
}

bool IniFile::getBool(std::string_view section, std::string_view key, bool defaultValue) const {
    return getInt(section, key, defaultValue ? 1 : 0) != 0;
}

std::string IniFile::lineEnd() const {
    for (const auto& line : lines_) {
        if (!line.eol.empty()) return line.eol;
    }
    return "\r\n"; // the file is read by Windows tools too
}

void IniFile::setSection(std::string_view section, const std::vector<Entry>& entries) {
    const std::string eol = lineEnd();
    auto keyLine = [&](const Entry& entry) { return Line{toCp932(join({entry.key, "=", entry.value})), eol}; };

    const Section* s = findSection(section);
    if (s == nullptr) {
        if (!lines_.empty() && lines_.back().eol.empty()) lines_.back().eol = eol;
        lines_.push_back({toCp932(join({"[", section, "]"})), eol});
        for (const auto& entry : entries)
            lines_.push_back(keyLine(entry));
        index();
        return;
    }

    // Like the Windows profile functions: a key the section already holds is
    // rewritten in its line, a new key goes after the section's last key
    // line, and keys this program does not write stay as they are.
    const std::size_t header = s->header;
    std::size_t bodyEnd = s->end;
    while (bodyEnd > header + 1 && trim(toUtf8(lines_[bodyEnd - 1].raw)).empty())
        --bodyEnd;
    if (lines_[header].eol.empty()) lines_[header].eol = eol;
    if (bodyEnd > header + 1 && lines_[bodyEnd - 1].eol.empty()) lines_[bodyEnd - 1].eol = eol;
    std::vector<Line> added;
    for (const auto& entry : entries) {
        bool found = false;
        for (std::size_t i = header + 1; i < bodyEnd && !found; ++i) {
            const std::string text = toUtf8(lines_[i].raw);
            const std::string_view line = trim(text);
            if (line.empty() || line.front() == ';') continue;
            const std::size_t equals = line.find('=');
            if (equals == std::string_view::npos || !equalsNoCase(trim(line.substr(0, equals)), entry.key)) continue;
            lines_[i].raw = keyLine(entry).raw;
            found = true;
        }
        if (!found) added.push_back(keyLine(entry));
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(bodyEnd), added.begin(), added.end());
    index();
}

std::string IniFile::toBytes() const {
    std::string bytes;
    for (const auto& line : lines_) {
        bytes += line.raw;
        bytes += line.eol;
    }
    return bytes;
}

IniWriteResult IniFile::writeSection(const std::filesystem::path& path, std::string_view section,
                                     const std::vector<Entry>& entries) {
    std::string bytes;
    FileReadFailure readFailure;
    const FileReadStatus status = FileReader::readAll(path, kMaxFileBytes, bytes, &readFailure);
    // A file that exists but cannot be read is not overwritten with one section.
    if (status != FileReadStatus::Ok && status != FileReadStatus::Missing) {
        return {false, describeReadFailure(readFailure, kMaxFileBytes)};
    }
    IniFile file = parse(bytes);
    file.setSection(section, entries);
    // The first section written into a configuration folder makes the folder.
    if (std::error_code folderError; !createFolderFor(path, &folderError)) return {false, folderError.message()};
    const SafeWriteResult written = SafeFileWriter::replace(path, file.toBytes());
    if (!written.ok()) return {false, describeWriteFailure(written)};
    return {};
}

} // namespace tarvo
