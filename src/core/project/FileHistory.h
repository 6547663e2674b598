#pragma once
// The recent-file history: the project files last worked on, most recent
// first, and the name of the project file open now. The window shows the
// entries in its file menu; the list is kept in a history file beside the
// settings file, read once at start and written once at the end.
//
// History file: one full path per line, code page 932, lines ended by CR LF,
// most recent first, no header. Paths are compared exactly (file names on
// this system are case-sensitive). A path code page 932 cannot hold exactly
// stays in the list for the running session but is left out of the file:
// written with stand-in characters it would name another file.
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvo {

class FileHistory {
public:
    static constexpr std::size_t kItemsMax = 10;

    explicit FileHistory(std::size_t itemsMax = kItemsMax) : itemsMax_(itemsMax) {}

    // Reads `historyFile`, which save() later writes. Lines naming files that
    // no longer exist, repeated lines and lines that are not code page 932
    // are dropped, and at most the first ItemsMax entries are kept. A missing
    // or unreadable file gives an empty list, without any message. The
    // current file becomes empty.
    void load(const std::filesystem::path& historyFile);

    // Most recent first; never holds the current file.
    [[nodiscard]] const std::vector<std::filesystem::path>& entries() const { return entries_; }
    [[nodiscard]] const std::filesystem::path& currentFile() const { return current_; }
    [[nodiscard]] std::size_t itemsMax() const { return itemsMax_; }

    // Makes `name` (empty for a project without a file) the current file: the
    // former current file goes to the top of the list when it still exists,
    // and `name` leaves the list. True when the list changed.
    bool remake(const std::filesystem::path& name);

    // Writes the list, with the current file at its top when that file
    // exists, to the history file through the safe replacement. An empty list
    // writes nothing and leaves an existing file as it is; so does a list the
    // file already holds byte for byte. A missing folder of the history file
    // is made first. False only when a write failed.
    bool save() const;

    // The file's bytes for `entries`, leaving out paths that code page 932
    // cannot hold exactly or that hold a line break.
    static std::string serialize(const std::vector<std::filesystem::path>& entries);
    // The paths in a history file's bytes, in order, without empty and
    // undecodable lines. Lines may end in CR LF or LF alone.
    static std::vector<std::filesystem::path> parse(std::string_view bytes);

private:
    [[nodiscard]] std::vector<std::filesystem::path> listToSave() const;

    std::size_t itemsMax_;
    std::vector<std::filesystem::path> entries_;
    std::filesystem::path current_;
    std::filesystem::path historyFile_;
    std::optional<std::string> loadedBytes_; // what the file held at load()
};

} // namespace tarvo
