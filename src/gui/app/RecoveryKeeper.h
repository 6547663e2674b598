#pragma once
// Keeps a recovery copy of the window's unsaved work and offers the copies
// of sessions that died at the next start.
//
// While the project has unsaved edits the copy is written at most every 30
// seconds, and only when something changed since the last copy; a clean
// save, a new or opened project and a normal exit remove it. The copies
// live in the user's data folder ($XDG_DATA_HOME/tarvo-posts/recovery);
// each running window holds its own session there.
#include <QObject>

#include <filesystem>
#include <future>

#include "core/project/RecoveryStore.h"

class QTimer;

namespace tarvo::gui {

class MainForm;

class RecoveryKeeper : public QObject {
    Q_OBJECT
public:
    // Copies go to `folder`; an empty folder keeps none.
    RecoveryKeeper(MainForm& window, std::filesystem::path folder);
    // A normal end: the copy goes, and so does the session's lock file.
    ~RecoveryKeeper() override;
    RecoveryKeeper(const RecoveryKeeper&) = delete;
    RecoveryKeeper& operator=(const RecoveryKeeper&) = delete;

    static constexpr int kIntervalMs = 30 * 1000;

    // Something in the project changed since the last copy.
    void changed() { dirty_ = true; }
    // Starts writing the copy when the project has unsaved edits and changed
    // since the last copy; removes it when nothing is unsaved. The window
    // only takes a snapshot of the inputs; the file is written and flushed
    // to disk by a worker, so that typing never waits for the disk.
    void writeNow();
    // Waits until the copy being written is on disk.
    void waitForWrite();
    // The project has no unsaved edits any more: the copy goes.
    void discard();

    // Offers the copies of sessions that ended without saving, one by one:
    // restored (it becomes this window's unsaved project) or removed. A
    // copy that cannot be read is kept unless the user asks to remove it.
    // True when one was restored.
    bool offer();

    [[nodiscard]] RecoveryStore& store() { return store_; }

private:
    MainForm& window_;
    RecoveryStore store_;
    QTimer* timer_ = nullptr;
    bool dirty_ = false;
    // The write in progress: true when it succeeded.
    std::future<bool> writing_;
};

} // namespace tarvo::gui
