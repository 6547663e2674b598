#pragma once
// The settings file of the program: an INI file in Shift-JIS (code page 932)
// on disk, UTF-8 here. Sections and keys are found without regard to ASCII
// case, as the Windows profile functions do; the first of duplicated sections
// or keys wins. Every line is kept as it was read, so that writing one section
// leaves every other section, key, comment and line end of the file untouched.
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvo {

// Whether writing a settings section succeeded and, when not, why: the
// system's reason or the reader's or writer's own, for the end of a message.
struct IniWriteResult {
    bool ok = true;
    std::string reason;

    explicit operator bool() const { return ok; }
};

class IniFile {
public:
    struct Entry {
        std::string key;
        std::string value;
        friend bool operator==(const Entry&, const Entry&) = default;
    };

    // Largest settings file read; anything bigger is not a settings file.
    static constexpr std::size_t kMaxFileBytes = 4u << 20;

    IniFile() = default;
    // Parses the bytes of a file (CP932).
    static IniFile parse(std::string_view cp932Bytes);
    // Reads and parses `path`. False, with an empty object, when the file is
    // missing or cannot be read.
    bool load(const std::filesystem::path& path);

    [[nodiscard]] bool hasSection(std::string_view section) const;
    // Section names and a section's entries in file order.
    [[nodiscard]] std::vector<std::string> sectionNames() const;
    [[nodiscard]] std::vector<Entry> entries(std::string_view section) const;

    [[nodiscard]] std::optional<std::string> find(std::string_view section, std::string_view key) const;
    [[nodiscard]] std::string getString(std::string_view section, std::string_view key,
                                        std::string_view defaultValue = {}) const;
    // A value that is not a whole number in the range of int gives the default.
    [[nodiscard]] int getInt(std::string_view section, std::string_view key, int defaultValue) const;
    // Stored as "1" / "0"; any non-zero number is true.
    [[nodiscard]] bool getBool(std::string_view section, std::string_view key, bool defaultValue) const;

    // Writes `entries` into `section`: a key it holds is rewritten in place,
    // a new key is added after its keys, other keys stay; adds the
    // section at the end when it is missing.
    void setSection(std::string_view section, const std::vector<Entry>& entries);
    // The file's bytes (CP932).
    [[nodiscard]] std::string toBytes() const;

    // Writes one section into the file at `path`: reads the file (a missing
    // file counts as empty), replaces the section and writes the whole file
    // back through the safe replacement, making the file's folder when it is
    // missing. Fails when the existing file cannot be read, the folder cannot
    // be made or the write fails; the file is then unchanged.
    static IniWriteResult writeSection(const std::filesystem::path& path, std::string_view section,
                                       const std::vector<Entry>& entries);

private:
    struct Line {
        std::string raw; // CP932 bytes without the line end
        std::string eol; // "\r\n", "\n", "\r" or empty for a last line without one
    };
    struct Key {
        std::string name;
        std::string value;
    };
    struct Section {
        std::string name;
        std::size_t header = 0; // index of the "[name]" line
        std::size_t end = 0;    // index one past its last line
        std::vector<Key> keys;
    };

    void index();
    [[nodiscard]] const Section* findSection(std::string_view section) const;
    [[nodiscard]] std::string lineEnd() const;

    std::vector<Line> lines_;
    std::vector<Section> sections_;
};

} // namespace tarvo
