// The POSIX side of SafeFileWriter: mkstemp beside the target, full writes,
// fchmod, fsync, rename. The only file of the project code that calls the
// operating system directly.
#include "core/text/SafeFileWriter.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvo {
namespace {

constexpr mode_t kNewFileMode = 0644;

// Closes the descriptor and removes the temporary file unless released.
class TempFile {
public:
    explicit TempFile(std::string path) : path_(std::move(path)) {}
    ~TempFile() {
        if (fd_ >= 0) ::close(fd_);
        if (!released_) ::unlink(path_.c_str());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    bool create() {
        fd_ = ::mkstemp(path_.data());
        if (fd_ < 0) {
            released_ = true; // nothing was created, nothing to remove
            return false;
        }
        ::fcntl(fd_, F_SETFD, FD_CLOEXEC);
        return true;
    }
    [[nodiscard]] int fd() const { return fd_; }
    [[nodiscard]] const std::string& path() const { return path_; }
    // Closes the descriptor and reports whether the close succeeded (a close
    // may be the first to report a deferred write error).
    bool close() {
        const int rc = ::close(fd_);
        fd_ = -1;
        return rc == 0;
    }
    void release() { released_ = true; }

private:
    std::string path_;
    int fd_ = -1;
    bool released_ = false;
};

// Writes every byte or fails; a short write is continued, a write that makes
// no progress (a full disk, the file-size limit) is a failure.
bool writeAll(int fd, std::string_view bytes) {
    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (written == 0) return false;
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

// Flushes the folder so that the rename itself survives a power loss; a
// failure here does not undo a completed replacement, so it is not reported.
void syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

SafeWriteStatus SafeFileWriter::replace(const std::filesystem::path& target, std::string_view bytes) {
    std::string targetPath = target.string();
    if (targetPath.empty()) return SafeWriteStatus::CannotInspect;

    // A symbolic link is followed: the file it names is replaced, the link stays.
    struct stat linkInfo {};
    if (::lstat(targetPath.c_str(), &linkInfo) == 0 && S_ISLNK(linkInfo.st_mode)) {
        char resolved[PATH_MAX];
        if (::realpath(targetPath.c_str(), resolved) != nullptr) targetPath = resolved;
    }

    mode_t mode = kNewFileMode;
    bool exists = false;
    struct stat info {};
    if (::stat(targetPath.c_str(), &info) == 0) {
        if (!S_ISREG(info.st_mode)) return SafeWriteStatus::NotARegularFile;
        // The mode bit decides, not access(): a privileged user could write
        // anyway, but a file its owner marked read-only is not to be replaced.
        if ((info.st_mode & S_IWUSR) == 0) return SafeWriteStatus::ReadOnlyTarget;
        mode = info.st_mode & 07777;
        exists = true;
    } else if (errno != ENOENT) {
        return SafeWriteStatus::CannotInspect;
    }

    const std::filesystem::path resolvedTarget(targetPath);
    std::filesystem::path folder = resolvedTarget.parent_path();
    if (folder.empty()) folder = ".";
    std::string tempName = ".";
    tempName.append(resolvedTarget.filename().string()).append(".XXXXXX");
    TempFile temp((folder / tempName).string());
    if (!temp.create()) return SafeWriteStatus::CannotCreateTemp;

    if (!writeAll(temp.fd(), bytes)) return SafeWriteStatus::WriteFailed;
    if (::fchmod(temp.fd(), mode) != 0) return SafeWriteStatus::SyncFailed;
    if (exists && (info.st_uid != ::geteuid() || info.st_gid != ::getegid())) {
        // Best effort: only a privileged user can hand the file back to its owner.
        [[maybe_unused]] const int ignored = ::fchown(temp.fd(), info.st_uid, info.st_gid);
    }
    if (::fsync(temp.fd()) != 0) return SafeWriteStatus::SyncFailed;
    if (!temp.close()) return SafeWriteStatus::SyncFailed;
    if (::rename(temp.path().c_str(), targetPath.c_str()) != 0) return SafeWriteStatus::RenameFailed;
    temp.release();
    syncFolder(folder.string());
    return SafeWriteStatus::Ok;
}

} // namespace tarvo
