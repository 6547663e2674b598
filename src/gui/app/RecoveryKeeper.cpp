#include "gui/app/RecoveryKeeper.h"

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QMessageBox>
#include <QTimer>

#include <chrono>
#include <memory>
#include <system_error>
#include <utility>
#include <vector>

#include "core/project/ColumnsData.h"
#include "core/project/ProjectFile.h"
#include "gui/app/MainForm.h"
#include "gui/print/QtText.h"

namespace tarvo::gui {

namespace {

QString messageTitle() {
    return QApplication::applicationDisplayName().isEmpty() ? QStringLiteral("木造柱の設計")
                                                            : QApplication::applicationDisplayName();
}

bool ask(QWidget* parent, const QString& text, QMessageBox::StandardButton preferred) {
    QApplication::beep();
    return QMessageBox::question(parent, messageTitle(), text, QMessageBox::Yes | QMessageBox::No, preferred) ==
           QMessageBox::Yes;
}

} // namespace

RecoveryKeeper::RecoveryKeeper(MainForm& window, std::filesystem::path folder)
    : QObject(&window), window_(window), store_(std::move(folder)) {
    timer_ = new QTimer(this);
    timer_->setInterval(kIntervalMs);
    connect(timer_, &QTimer::timeout, this, &RecoveryKeeper::writeNow);
    timer_->start();
}

RecoveryKeeper::~RecoveryKeeper() {
    discard();
    // Removing the file while this session still holds its lock is safe:
    // nobody looks at a lock without a copy beside it.
    std::error_code error;
    if (!store_.folder().empty()) std::filesystem::remove(store_.folder() / (store_.sessionId() + ".lock"), error);
}

void RecoveryKeeper::writeNow() {
    if (window_.modifiedCount() == 0) {
        discard();
        return;
    }
    if (!dirty_) return;
    // A write still running (a slow disk) is not queued behind: the next
    // tick writes the newer state.
    if (writing_.valid() && writing_.wait_for(std::chrono::seconds(0)) != std::future_status::ready) return;
    waitForWrite();
    // The inputs as they are now, exactly as the window holds them.
    auto columns = std::make_shared<ColumnsData>();
    const ColumnsData& shown = window_.columns();
    std::vector<ColumnMember> items;
    items.reserve(static_cast<std::size_t>(shown.Count()));
    for (int i = 0; i < shown.Count(); ++i)
        items.push_back(shown.Item(i));
    columns->Replace(std::move(items));
    const CommonInputData common = window_.document().common().input();
    std::filesystem::path file = window_.currentFile();
    const std::int64_t savedAt = QDateTime::currentSecsSinceEpoch();
    dirty_ = false;
    writing_ = std::async(std::launch::async, [this, common, columns = std::move(columns), file = std::move(file),
                                               savedAt] { return store_.save(common, *columns, file, savedAt); });
}

void RecoveryKeeper::waitForWrite() {
    if (!writing_.valid()) return;
    // A failed write is tried again at the next tick.
    if (!writing_.get()) dirty_ = true;
}

void RecoveryKeeper::discard() {
    waitForWrite();
    dirty_ = false;
    if (store_.hasOwnCopy()) store_.discardOwn();
}

bool RecoveryKeeper::offer() {
    for (const RecoveryCopy& copy : store_.orphans()) {
        const QString name = copy.originalFile.empty() ? QStringLiteral("(無題)") : fromPath(copy.originalFile);
        const QString time =
            QDateTime::fromSecsSinceEpoch(copy.savedAt).toString(QStringLiteral("yyyy/MM/dd HH:mm:ss"));
        if (!ask(&window_,
                 QStringLiteral("前回保存されなかったデータがあります。復元しますか？\n\n%1\n%2").arg(name, time),
                 QMessageBox::Yes)) {
            RecoveryStore::discard(copy);
            continue;
        }
        // A copy that cannot be read shows the read failure and leaves the
        // project in the window as it was.
        if (!window_.document().open(copy.project, window_.messages())) {
            if (ask(&window_, QStringLiteral("この復元データを削除しますか？\n\n%1").arg(fromPath(copy.project)),
                    QMessageBox::No))
                RecoveryStore::discard(copy);
            continue;
        }
        window_.projectRestored(copy.originalFile);
        // This session's copy takes over before the old one goes, so that
        // the work is on disk at every moment; where it cannot be written
        // the old copy stays for the next start.
        dirty_ = true;
        writeNow();
        waitForWrite();
        if (store_.hasOwnCopy()) RecoveryStore::discard(copy);
        return true;
    }
    return false;
}

} // namespace tarvo::gui
