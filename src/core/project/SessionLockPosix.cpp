// POSIX adapter: file locks with flock, the process id and the data folder
// from the environment.
#include "core/project/SessionLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdlib>

namespace tarvo {

SessionLock::~SessionLock() {
    release();
}

bool SessionLock::acquire(const std::filesystem::path& path) {
    release();
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    fd_ = fd;
    return true;
}

void SessionLock::release() {
    if (fd_ < 0) return;
    ::flock(fd_, LOCK_UN);
    ::close(fd_);
    fd_ = -1;
}

bool SessionLock::isHeldElsewhere(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false; // no lock file: nobody holds it
    const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
    ::close(fd); // closing drops a lock this probe took
    return held;
}

long CurrentProcessId() {
    return static_cast<long>(::getpid());
}

std::filesystem::path UserDataFolder() {
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data != nullptr && data[0] == '/') return data;
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] != '\0') return std::filesystem::path(home) / ".local" / "share";
    return {};
}

} // namespace tarvo
