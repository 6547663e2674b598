// POSIX adapter of ProjectLock: flock on the project file itself.
#include "core/project/ProjectLock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <thread>
#include <unistd.h>

#include "core/text/MessageSink.h"
#include "core/text/NumberText.h"

namespace tarvo {
namespace {

constexpr std::chrono::milliseconds kRetryInterval{20};

// Whether the descriptor's file is still the one `path` names.
bool stillNamedBy(int fd, const std::filesystem::path& path) {
    struct stat held {};
    struct stat named {};
    if (::fstat(fd, &held) != 0 || ::stat(path.c_str(), &named) != 0) return false;
    return held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

} // namespace

ProjectLock::~ProjectLock() {
    release();
}

void ProjectLock::release() {
    if (fd_ < 0) return;
    ::flock(fd_, LOCK_UN);
    ::close(fd_);
    fd_ = -1;
}

ProjectLockStatus ProjectLock::acquire(const std::filesystem::path& path, std::chrono::milliseconds wait) {
    release();
    systemError_ = 0;
    wait_ = wait;
    status_ = lockFile(path);
    return status_;
}

ProjectLockStatus ProjectLock::lockFile(const std::filesystem::path& path) {
    const auto deadline = std::chrono::steady_clock::now() + wait_;
    for (;;) {
        // Read-only is enough to lock, and a FIFO or a device is never opened
        // for real: O_NONBLOCK keeps a FIFO from blocking the open.
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0) {
            if (errno == ENOENT) return ProjectLockStatus::NoFile;
            systemError_ = errno;
            return ProjectLockStatus::Failed;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            if (stillNamedBy(fd, path)) {
                fd_ = fd;
                return ProjectLockStatus::Locked;
            }
            ::close(fd); // replaced while we waited: lock the new file
            continue;
        }
        const int error = errno;
        ::close(fd);
        if (error != EWOULDBLOCK && error != EINTR) {
            systemError_ = error;
            return ProjectLockStatus::Failed;
        }
        if (std::chrono::steady_clock::now() >= deadline) return ProjectLockStatus::Busy;
        std::this_thread::sleep_for(kRetryInterval);
    }
}

std::string ProjectLock::failureMessage(const std::filesystem::path& path) const {
    if (status_ == ProjectLockStatus::Busy) {
        const auto seconds = std::chrono::duration_cast<std::chrono::duration<double>>(wait_).count();
        return "ほかのプログラムがこのファイルに書き込んでいます。\n" + path.string() +
               "\nanother writer held its lock for " + shortestNumberText(seconds) + " s; nothing was written";
    }
    return withReason("ファイルを開くことが出来ませんでした。\n" + path.string(),
                      std::generic_category().message(systemError_));
}

} // namespace tarvo
