// The POSIX side of SafeFileWriter: mkstemp beside the target, full writes,
// fchmod, fchown, fsync, rename, and the removal of unfinished temporary
// files when the process is interrupted or terminated.
#include "core/text/SafeFileWriter.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvo {
namespace {

constexpr mode_t kNewFileMode = 0644;
constexpr int kMaxLinkDepth = 40; // as the kernel's own limit for symbolic links

// ---- removal on SIGINT, SIGTERM and SIGHUP ----------------------------------
//
// The paths of the temporary files being written, for a signal handler that
// may only make async-signal-safe calls: it unlinks each, then lets the
// signal do what it did before (end the process, or the handler that was
// installed before).

constexpr std::size_t kPendingSlots = 32;
std::array<std::atomic<const char*>, kPendingSlots> pendingTemps{};

constexpr std::array<int, 3> kCleanedSignals{SIGINT, SIGTERM, SIGHUP};
std::array<struct sigaction, kCleanedSignals.size()> previousActions{};

void removePendingTemps(int signal) {
    for (auto& slot : pendingTemps) {
        const char* path = slot.load();
        if (path != nullptr) ::unlink(path);
    }
    for (std::size_t i = 0; i < kCleanedSignals.size(); ++i) {
        if (kCleanedSignals[i] != signal) continue;
        const struct sigaction& previous = previousActions[i];
        if ((previous.sa_flags & SA_SIGINFO) == 0 && previous.sa_handler == SIG_DFL) {
            // The signal is blocked while this runs: raised again, it ends the
            // process as soon as the handler returns.
            ::sigaction(signal, &previous, nullptr);
            ::raise(signal);
        } else if ((previous.sa_flags & SA_SIGINFO) == 0 && previous.sa_handler != SIG_IGN) {
            previous.sa_handler(signal);
        } else if ((previous.sa_flags & SA_SIGINFO) != 0) {
            previous.sa_sigaction(signal, nullptr, nullptr);
        }
    }
}

void installSignalCleanup() {
    static std::once_flag once;
    std::call_once(once, [] {
        for (std::size_t i = 0; i < kCleanedSignals.size(); ++i) {
            struct sigaction previous {};
            if (::sigaction(kCleanedSignals[i], nullptr, &previous) != 0) continue;
            // An ignored signal stays ignored: it never ends the process.
            if ((previous.sa_flags & SA_SIGINFO) == 0 && previous.sa_handler == SIG_IGN) continue;
            previousActions[i] = previous;
            struct sigaction action {};
            action.sa_handler = removePendingTemps;
            sigemptyset(&action.sa_mask);
            action.sa_flags = SA_RESTART;
            ::sigaction(kCleanedSignals[i], &action, nullptr);
        }
    });
}

void registerPending(const char* path) {
    installSignalCleanup();
    for (auto& slot : pendingTemps) {
        const char* empty = nullptr;
        if (slot.compare_exchange_strong(empty, path)) return;
    }
    // More writers at once than slots: this one is still removed on every
    // failure, only an interruption could leave it behind.
}

void unregisterPending(const char* path) {
    for (auto& slot : pendingTemps) {
        const char* expected = path;
        if (slot.compare_exchange_strong(expected, nullptr)) return;
    }
}

// ---- the target -------------------------------------------------------------

// The file `path` names after following every symbolic link, also a link
// whose file does not exist yet (it is created where the link points).
bool resolveLinks(std::string& path, int& error) {
    for (int depth = 0; depth < kMaxLinkDepth; ++depth) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return true;
        std::string link(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 255) + 1, '\0');
        const ssize_t length = ::readlink(path.c_str(), link.data(), link.size());
        if (length < 0) {
            error = errno;
            return false;
        }
        link.resize(static_cast<std::size_t>(length));
        const std::filesystem::path next(link);
        path = next.is_absolute() ? link : (std::filesystem::path(path).parent_path() / next).string();
    }
    error = ELOOP;
    return false;
}

// Writes every byte or fails; a short write is continued, a write that makes
// no progress (a full disk, the file-size limit) is a failure.
int writeAll(int fd, std::string_view bytes) {
    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (written == 0) return ENOSPC;
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return 0;
}

// Flushes the folder so that the rename itself survives a power loss; a
// failure here does not undo a completed replacement, so it is not reported.
void syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

std::string folderOf(const std::string& path) {
    std::string folder = std::filesystem::path(path).parent_path().string();
    return folder.empty() ? std::string(".") : folder;
}

} // namespace

SafeFileWriter::SafeFileWriter(std::filesystem::path target) : target_(std::move(target)) {}

SafeFileWriter::~SafeFileWriter() {
    discardTemp();
}

SafeWriteResult SafeFileWriter::fail(SafeWriteStatus status, int systemError) {
    discardTemp();
    state_ = {status, systemError};
    return state_;
}

void SafeFileWriter::discardTemp() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (tempPath_.empty()) return;
    ::unlink(tempPath_.c_str());
    unregisterPending(tempPath_.c_str());
    tempPath_.clear();
}

SafeWriteResult SafeFileWriter::open() {
    if (!state_.ok()) return state_;
    if (opened_) return state_;
    opened_ = true;
    resolvedTarget_ = target_.string();
    if (resolvedTarget_.empty()) return fail(SafeWriteStatus::CannotInspect, 0);
    int error = 0;
    if (!resolveLinks(resolvedTarget_, error)) return fail(SafeWriteStatus::CannotInspect, error);

    struct stat info {};
    if (::stat(resolvedTarget_.c_str(), &info) == 0) {
        if (!S_ISREG(info.st_mode)) return fail(SafeWriteStatus::NotARegularFile, 0);
        // The mode bit decides, not access(): a privileged user could write
        // anyway, but a file its owner marked read-only is not to be replaced.
        if ((info.st_mode & S_IWUSR) == 0) return fail(SafeWriteStatus::ReadOnlyTarget, 0);
        mode_ = info.st_mode & 07777;
        ownerUid_ = info.st_uid;
        ownerGid_ = info.st_gid;
        targetExists_ = true;
    } else if (errno != ENOENT) {
        return fail(SafeWriteStatus::CannotInspect, errno);
    }

    std::string tempName(".");
    tempName.append(std::filesystem::path(resolvedTarget_).filename().string()).append(".XXXXXX");
    std::string temp = (std::filesystem::path(folderOf(resolvedTarget_)) / tempName).string();
    // Registered before it exists, so that no moment is left in which an
    // interruption could leave the file behind (an unlink of a name not yet
    // made does nothing).
    tempPath_ = std::move(temp);
    registerPending(tempPath_.c_str());
    fd_ = ::mkostemp(tempPath_.data(), O_CLOEXEC);
    if (fd_ < 0) {
        const int createError = errno;
        unregisterPending(tempPath_.c_str());
        tempPath_.clear();
        return fail(SafeWriteStatus::CannotCreateTemp, createError);
    }
    return state_;
}

SafeWriteResult SafeFileWriter::write(std::string_view bytes) {
    if (!opened_) open();
    if (!state_.ok()) return state_;
    const int error = writeAll(fd_, bytes);
    if (error != 0) return fail(SafeWriteStatus::WriteFailed, error);
    return state_;
}

SafeWriteResult SafeFileWriter::commit() {
    if (!opened_) open();
    if (!state_.ok()) return state_;
    if (::fchmod(fd_, targetExists_ ? mode_ : kNewFileMode) != 0) return fail(SafeWriteStatus::SyncFailed, errno);
    if (targetExists_ && (ownerUid_ != ::geteuid() || ownerGid_ != ::getegid())) {
        // Best effort: only a privileged user can hand the file back to its owner.
        [[maybe_unused]] const int ignored = ::fchown(fd_, ownerUid_, ownerGid_);
    }
    if (::fsync(fd_) != 0) return fail(SafeWriteStatus::SyncFailed, errno);
    const int closed = ::close(fd_);
    fd_ = -1;
    // A close may be the first to report a deferred write error.
    if (closed != 0) return fail(SafeWriteStatus::SyncFailed, errno);
    if (::rename(tempPath_.c_str(), resolvedTarget_.c_str()) != 0) return fail(SafeWriteStatus::RenameFailed, errno);
    unregisterPending(tempPath_.c_str());
    tempPath_.clear();
    syncFolder(folderOf(resolvedTarget_));
    return state_;
}

SafeWriteResult SafeFileWriter::replace(const std::filesystem::path& target, std::string_view bytes) {
    SafeFileWriter writer(target);
    writer.open();
    writer.write(bytes);
    return writer.commit();
}

} // namespace tarvo
