#pragma once
// Replaces a file's contents without ever destroying the old file first: the
// new bytes go to a temporary file with a unique name beside the target, every
// write is checked, the file is flushed to the disk and only then renamed over
// the target in one step. A failure at any point, and SIGINT, SIGTERM or
// SIGHUP while the temporary file exists, removes the temporary file and
// leaves the old file exactly as it was.
//
// The target keeps its permission bits (and, for a privileged user, its
// owner); a symbolic link stays and the file it points to is replaced; a
// target that exists and is no regular file (a device, a FIFO, a folder, a
// socket) is refused and left alone.
//
// Every file the program writes goes through it.
#include <filesystem>
#include <string>
#include <string_view>

namespace tarvo {

enum class SafeWriteStatus {
    Ok,
    ReadOnlyTarget,   // the target's owner-write permission bit is clear
    NotARegularFile,  // the target is a folder, a device, a FIFO or a socket
    CannotInspect,    // the target's folder cannot be reached (missing, not a folder, no permission)
    CannotCreateTemp, // no temporary file could be made beside the target
    WriteFailed,      // a write was short or failed (a full disk, a file-size limit)
    SyncFailed,       // flushing, setting the mode or closing the temporary file failed
    RenameFailed,     // the temporary file could not take the target's place
};

struct SafeWriteResult {
    SafeWriteStatus status = SafeWriteStatus::Ok;
    int systemError = 0; // errno of the call that failed; 0 for the writer's own refusals

    [[nodiscard]] bool ok() const { return status == SafeWriteStatus::Ok; }
    // Whether the file could not even be opened for writing (the target was
    // refused or no temporary file could be made), as against a failed write.
    [[nodiscard]] bool openFailed() const {
        return status == SafeWriteStatus::ReadOnlyTarget || status == SafeWriteStatus::NotARegularFile ||
               status == SafeWriteStatus::CannotInspect || status == SafeWriteStatus::CannotCreateTemp;
    }
    friend bool operator==(const SafeWriteResult& result, SafeWriteStatus expected) {
        return result.status == expected;
    }
};

// Why a write failed, for the end of a message: the system's reason, or the
// writer's own for a refused target ("not a regular file ...").
std::string describeWriteFailure(const SafeWriteResult& result);

// "File Open Error: \n" when the target could not be opened for writing,
// "File Write Error: \n" when the write failed, then the path and the reason
// (the messages of the LaTeX output and of printing into a file).
std::string fileErrorMessage(const SafeWriteResult& result, const std::filesystem::path& path);

// One replacement, written in pieces: `open`, any number of `write`, then
// `commit`. The first failure sticks: later calls return it and do nothing.
// Destroying the writer before a successful commit removes the temporary
// file, so the target stays as it was.
class SafeFileWriter {
public:
    explicit SafeFileWriter(std::filesystem::path target);
    ~SafeFileWriter();
    SafeFileWriter(const SafeFileWriter&) = delete;
    SafeFileWriter& operator=(const SafeFileWriter&) = delete;

    // Inspects the target and makes the temporary file.
    SafeWriteResult open();
    // Appends `bytes` to the temporary file.
    SafeWriteResult write(std::string_view bytes);
    // Mode, owner, flush, close, rename over the target.
    SafeWriteResult commit();

    // `open`, `write` and `commit` of `bytes` as the new contents of `target`.
    // A new file gets mode 0644.
    static SafeWriteResult replace(const std::filesystem::path& target, std::string_view bytes);

private:
    SafeWriteResult fail(SafeWriteStatus status, int systemError);
    void discardTemp();

    std::filesystem::path target_;
    std::string resolvedTarget_; // the file a symbolic link points to, else the target
    std::string tempPath_;
    int fd_ = -1;
    bool opened_ = false;
    bool targetExists_ = false;
    unsigned mode_ = 0644;
    unsigned ownerUid_ = 0;
    unsigned ownerGid_ = 0;
    SafeWriteResult state_;
};

} // namespace tarvo
