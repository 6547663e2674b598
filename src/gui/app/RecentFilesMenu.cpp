#include "gui/app/RecentFilesMenu.h"

#include <QAction>
#include <QFile>
#include <QMenu>

namespace tarvo::gui {

RecentFilesMenu::RecentFilesMenu(QMenu* menu, QAction* insertAfter, OpenCallback open, QObject* parent)
    : QObject(parent), menu_(menu), insertAfter_(insertAfter), open_(std::move(open)) {}

QString RecentFilesMenu::entryText(int index, const std::filesystem::path& path) {
    // An ampersand in a folder name is shown as it is, not taken as the
    // entry's accelerator.
    QString shown = QFile::decodeName(path.native().c_str());
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 ").arg(index + 1) + shown;
}

void RecentFilesMenu::removeEntries() {
    for (const QPointer<QAction>& action : added_) {
        if (action.isNull()) continue;
        if (menu_) menu_->removeAction(action);
        // An entry may be the one whose click is being handled right now.
        action->deleteLater();
    }
    added_.clear();
}

void RecentFilesMenu::rebuild(const std::vector<std::filesystem::path>& paths) {
    removeEntries();
    if (!menu_ || paths.empty()) return;

    // The entry that follows the insert position, before which every new
    // entry goes (none: the entries go to the end).
    const QList<QAction*> actions = menu_->actions();
    QAction* before = nullptr;
    const qsizetype at = insertAfter_ ? actions.indexOf(insertAfter_.data()) : -1;
    if (at >= 0 && at + 1 < actions.size())
        before = actions.at(at + 1);
    else if (at < 0 && !actions.isEmpty())
        before = actions.front();

    const auto insert = [this, before](QAction* action) {
        menu_->insertAction(before, action);
        added_.emplace_back(action);
    };
    if (insertAfter_ && !insertAfter_->isSeparator() && at >= 0) {
        auto* top = new QAction(menu_);
        top->setSeparator(true);
        insert(top);
    }
    for (std::size_t i = 0; i < paths.size(); ++i) {
        auto* entry = new QAction(entryText(static_cast<int>(i), paths[i]), menu_);
        entry->setObjectName(QStringLiteral("History%1").arg(i + 1));
        const std::filesystem::path& path = paths[i];
        connect(entry, &QAction::triggered, this, [this, path] {
            if (open_) open_(path);
        });
        insert(entry);
    }
    auto* bottom = new QAction(menu_);
    bottom->setSeparator(true);
    insert(bottom);
}

} // namespace tarvo::gui
