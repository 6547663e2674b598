#pragma once
// The advisory lock a read-modify-write of a project file holds (an import
// into a project, the window's save over a file), so that two writers never
// interleave and one loses the other's items. Another writer waits a bounded
// time for it and then gives up with a message. The lock is the system's
// (flock): it goes with the process however the process ends.
//
// A replacement renames a new file over the locked one; a writer that was
// waiting then holds the lock of a file that is no longer the project, so
// taking the lock checks that the locked file still is the one the path
// names, and takes the new one's otherwise.
#include <chrono>
#include <filesystem>
#include <string>

namespace tarvo {

// How long a writer waits for another writer of the same project.
inline constexpr std::chrono::milliseconds kProjectLockWait{10000};

enum class ProjectLockStatus {
    Locked, // held until the object ends
    NoFile, // the file does not exist: nothing to lock, nothing to lose
    Busy,   // another writer held it for the whole wait
    Failed, // the file could not be opened or locked (see systemError)
};

class ProjectLock {
public:
    ProjectLock() = default;
    ~ProjectLock();
    ProjectLock(const ProjectLock&) = delete;
    ProjectLock& operator=(const ProjectLock&) = delete;

    // Takes the exclusive lock of the file `path` names, waiting at most `wait`.
    ProjectLockStatus acquire(const std::filesystem::path& path, std::chrono::milliseconds wait = kProjectLockWait);
    void release();
    [[nodiscard]] bool held() const { return fd_ >= 0; }
    // The message of the last `acquire` that returned Busy or Failed.
    [[nodiscard]] std::string failureMessage(const std::filesystem::path& path) const;

private:
    ProjectLockStatus lockFile(const std::filesystem::path& path);

    int fd_ = -1;
    ProjectLockStatus status_ = ProjectLockStatus::NoFile;
    int systemError_ = 0;
    std::chrono::milliseconds wait_{0};
};

} // namespace tarvo
