#pragma once
// The recent files in the file menu: one entry per history entry, numbered
// "&1 " to "&n " and followed by the path, inserted after a given entry and
// closed by a separator of their own. Choosing an entry hands its path to
// the open callback.
#include <QObject>
#include <QPointer>

#include <filesystem>
#include <functional>
#include <vector>

class QAction;
class QMenu;

namespace tarvo::gui {

class RecentFilesMenu : public QObject {
    Q_OBJECT
public:
    using OpenCallback = std::function<void(const std::filesystem::path&)>;

    // The entries go into `menu` right after `insertAfter`.
    RecentFilesMenu(QMenu* menu, QAction* insertAfter, OpenCallback open, QObject* parent = nullptr);

    // Replaces the entries by `paths`, in their order.
    void rebuild(const std::vector<std::filesystem::path>& paths);
    // Takes every entry and the separators it added out of the menu.
    void removeEntries();

    // The menu text of entry `index` (0-based) for `path`.
    static QString entryText(int index, const std::filesystem::path& path);

private:
    QPointer<QMenu> menu_;
    QPointer<QAction> insertAfter_;
    OpenCallback open_;
    std::vector<QPointer<QAction>> added_;
};

} // namespace tarvo::gui
