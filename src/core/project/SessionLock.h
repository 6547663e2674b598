#pragma once
// An exclusive lock on a file that lasts as long as the object (or the
// process: the system drops it when the process dies, however it dies).
#include <filesystem>

namespace tarvo {

class SessionLock {
public:
    SessionLock() = default;
    ~SessionLock();
    SessionLock(const SessionLock&) = delete;
    SessionLock& operator=(const SessionLock&) = delete;

    // Creates `path` when missing and locks it; false when another process
    // holds it or it cannot be made.
    bool acquire(const std::filesystem::path& path);
    void release();
    [[nodiscard]] bool held() const { return fd_ >= 0; }

    // True when a running process holds the lock on `path`.
    static bool isHeldElsewhere(const std::filesystem::path& path);

private:
    int fd_ = -1;
};

// This process's id, for naming its session.
long CurrentProcessId();
// $XDG_DATA_HOME, else $HOME/.local/share; empty when neither is set.
std::filesystem::path UserDataFolder();

} // namespace tarvo
