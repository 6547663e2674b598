#include "gui/app/DesignCommands.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include "core/design/SectionDesign.h"
#include "gui/app/EditHistory.h"
#include "gui/app/MainForm.h"
#include "gui/app/SectionDesignDialog.h"

namespace tarvo::gui {

DesignCommands::DesignCommands(MainForm& window) : QObject(&window), window_(window) {
    auto* action = new QAction(QStringLiteral("断面算定(&D)..."), &window);
    action->setObjectName(QStringLiteral("MenuSectionDesign"));
    action->setStatusTip(QStringLiteral("すべての判定が OK になる最小の断面を求める"));
    connect(action, &QAction::triggered, this, &DesignCommands::designSections);
    if (QMenu* edit = window.menuBar()->findChild<QMenu*>(QStringLiteral("MenuEdit"))) {
        edit->addSeparator();
        edit->addAction(action);
    }
    if (auto* bar = window.findChild<QToolBar*>(QStringLiteral("ToolBar3"))) {
        auto* button = new QToolButton(bar);
        button->setObjectName(QStringLiteral("SectionDesignButton"));
        button->setText(QStringLiteral("断面算定"));
        button->setToolTip(action->statusTip());
        button->setStatusTip(action->statusTip());
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoRaise(true);
        bar->addWidget(button);
        connect(button, &QToolButton::clicked, action, &QAction::trigger);
    }
}

void DesignCommands::designSections() {
    window_.commitPendingEdit();
    SectionDesignDialog dialog(window_.columns(), window_.check().conditions(), window_.catalogue(),
                               window_.currentIndex(), &window_);
    if (dialog.exec() != QDialog::Accepted) return;
    applyProposals(dialog.proposals());
}

void DesignCommands::applyProposals(const std::vector<std::pair<int, SectionSize>>& proposals) {
    if (proposals.empty()) return;
    EditHistory& history = window_.history();
    history.beginListChange(true);
    const CheckConditions conditions = window_.check().conditions();
    for (const auto& [index, section] : proposals)
        ApplyDesignedSection(window_.columns().Item(index), section, conditions, window_.catalogue());
    // The fields show the item again with its new section.
    window_.releaseItemLinks();
    window_.ShowItem(window_.currentIndex(), true);
    history.listReplaced(QStringLiteral("断面算定"));
    window_.markChanged();
}

} // namespace tarvo::gui
