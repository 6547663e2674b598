#pragma once
// "断面算定(&D)..." in the "編集(&E)" menu and its tool button "断面算定":
// the section design dialog for the shown item or ticked items of the list;
// the proposals it accepts are written into the items as one undo step.
#include <QObject>

#include <utility>
#include <vector>

#include "core/design/SectionSize.h"

class QMenu;
class QToolBar;

namespace tarvo::gui {

class MainForm;

class DesignCommands : public QObject {
    Q_OBJECT
public:
    // Adds the menu entry after a separator at the end of the edit menu and
    // the tool button after the list buttons.
    // The entry goes at the end of `editMenu`, its button at the end of `itemBar`.
    DesignCommands(MainForm& window, QMenu& editMenu, QToolBar& itemBar);

    // Opens the dialog; "適用" applies its proposals.
    void designSections();
    // Writes `proposals` (item index and section) into the items with the
    // inputs each section derives (the automatic tenon), as the undo step
    // "断面算定", and shows the current item again. Nothing for no proposal.
    void applyProposals(const std::vector<std::pair<int, SectionSize>>& proposals);

private:
    MainForm& window_;
};

} // namespace tarvo::gui
