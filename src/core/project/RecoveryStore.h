#pragma once
// Recovery copies of unsaved work. While a project has unsaved edits the
// window writes a copy of it here from time to time; a clean save, a new or
// opened project and a normal exit remove it. A copy whose session is no
// longer running (the program or the machine died) is offered at the next
// start. Each running program holds a lock on its own session, so two
// programs keep separate copies and never offer each other's.
//
// Files of one session in the recovery folder, named by the session id:
//   <id>.tvp   the project, in the project file format
//   <id>.info  the time of the copy (seconds since 1970, first line), then
//              the project's own file path (empty for an untitled project)
//   <id>.lock  locked by the running session
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/project/CommonInputData.h"

namespace tarvo {

class ColumnsData;
class SessionLock;

struct RecoveryCopy {
    std::filesystem::path project;      // the copy itself (<id>.tvp)
    std::filesystem::path originalFile; // the file the project came from; empty when untitled
    std::int64_t savedAt = 0;           // seconds since 1970 (UTC)
};

class RecoveryStore {
public:
    // Opens a session of its own in `folder` (created on the first copy).
    explicit RecoveryStore(std::filesystem::path folder);
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore&) = delete;
    RecoveryStore& operator=(const RecoveryStore&) = delete;

    // $XDG_DATA_HOME/tarvo-posts/recovery, by default ~/.local/share/tarvo-posts/recovery.
    static std::filesystem::path defaultFolder();

    [[nodiscard]] const std::filesystem::path& folder() const { return folder_; }
    [[nodiscard]] const std::string& sessionId() const { return id_; }

    // Writes this session's copy through the safe replacement. Recovery is
    // best effort: false on any failure, with nothing shown.
    bool save(const CommonInputData& common, const ColumnsData& columns, const std::filesystem::path& originalFile,
              std::int64_t savedAt);
    // Removes this session's copy.
    void discardOwn();
    [[nodiscard]] bool hasOwnCopy() const;

    // Copies left by sessions that no longer run, oldest first.
    [[nodiscard]] std::vector<RecoveryCopy> orphans() const;
    // Removes a copy with its files.
    static void discard(const RecoveryCopy& copy);

private:
    bool claimSession();

    std::filesystem::path folder_;
    std::string id_;
    std::unique_ptr<SessionLock> lock_;
};

// Reads the .info file of a copy; false when it is missing or unreadable.
bool ReadRecoveryInfo(const std::filesystem::path& infoFile, RecoveryCopy& copy);

} // namespace tarvo
