#pragma once
// Replaces a file's contents without ever destroying the old file first: the
// new bytes go to a temporary file beside the target, are flushed to the disk
// and then renamed over the target in one step. A failure at any point removes
// the temporary file and leaves the old file exactly as it was.
//
// The settings file and the project file are both written through it.
#include <filesystem>
#include <string_view>

namespace tarvo {

enum class SafeWriteStatus {
    Ok,
    ReadOnlyTarget,   // the target's owner-write permission bit is clear
    NotARegularFile,  // the target is a folder or another non-file
    CannotInspect,    // the target's folder cannot be reached (missing, not a folder, no permission)
    CannotCreateTemp, // no temporary file could be made beside the target
    WriteFailed,      // a write was short or failed (a full disk, a file-size limit)
    SyncFailed,       // flushing, setting the mode or closing the temporary file failed
    RenameFailed,     // the temporary file could not take the target's place
};

class SafeFileWriter {
public:
    // Writes `bytes` as the new contents of `target`. An existing target keeps
    // its permission bits; a new file gets mode 0644.
    static SafeWriteStatus replace(const std::filesystem::path& target, std::string_view bytes);
};

} // namespace tarvo
