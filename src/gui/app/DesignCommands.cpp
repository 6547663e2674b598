#include "gui/app/DesignCommands.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include "core/design/SectionDesign.h"
#include "gui/app/MainForm.h"
#include "gui/app/SectionDesignDialog.h"

namespace tarvo::gui {

DesignCommands::DesignCommands(MainForm& window, QMenu& editMenu, QToolBar& itemBar)
    : QObject(&window), window_(window) {
    auto* action = new QAction(QStringLiteral("断面算定(&D)..."), &window);
    action->setObjectName(QStringLiteral("MenuSectionDesign"));
    action->setStatusTip(QStringLiteral("すべての判定が OK になる最小の断面を求める"));
    connect(action, &QAction::triggered, this, &DesignCommands::designSections);
    editMenu.addSeparator();
    editMenu.addAction(action);
    if (QToolBar* bar = &itemBar) {
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
    // The sections go into a copy of the list, which the document takes as
    // one command; the shown item is drawn again with its new section.
    ProjectDocument& document = window_.document();
    ColumnsData designed = document.itemsCopy();
    const CheckConditions conditions = window_.check().conditions();
    for (const auto& [index, section] : proposals)
        ApplyDesignedSection(designed.Item(index), section, conditions, window_.catalogue());
    std::vector<MemberInputData> items;
    items.reserve(static_cast<std::size_t>(designed.Count()));
    for (int i = 0; i < designed.Count(); ++i)
        items.push_back(designed.Item(i).input());
    document.replaceItems(std::move(items), document.currentIndex(), QStringLiteral("断面算定"), window_.currentPage());
}

} // namespace tarvo::gui
