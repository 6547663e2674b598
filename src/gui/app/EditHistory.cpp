#include "gui/app/EditHistory.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QTimer>

#include "core/project/ColumnsData.h"
#include "core/project/CommonData.h"
#include "core/project/InputChange.h"
#include "gui/app/EditSteps.h"
#include "gui/app/MainForm.h"
#include "gui/print/QtText.h"

namespace tarvo::gui {

namespace {

QString changeText(const std::string& what) {
    return QString::fromStdString(what) + QStringLiteral(" の変更");
}

} // namespace

EditHistory::EditHistory(MainForm& window) : QObject(&window), window_(window) {}

void EditHistory::capture() {
    pending_ = false;
    if (restoring() || window_.showingItem()) return;
    ColumnsData& columns = window_.columns();
    const int page = window_.currentPage();
    if (baselineIndex_ >= 0 && baselineIndex_ < columns.Count()) {
        const MemberInputData& now = columns.Item(baselineIndex_).input();
        if (!(now == itemBaseline_)) {
            const std::string what = DescribeItemChange(itemBaseline_, now);
            // Typing a name renames the item at every key; the keys of one
            // run of typing make one step.
            const bool renaming = now.Name != itemBaseline_.Name;
            stack_.push(new ItemInputStep(*this, baselineIndex_, page, itemBaseline_, now, changeText(what),
                                          renaming ? renameRun_ : -1));
            itemBaseline_ = now;
        }
    }
    const CommonInputData& common = window_.common().input();
    if (!(common == commonBaseline_)) {
        // The shown item goes with the common conditions: showing it again
        // fits it to them (its storey), which is not always reversible.
        const int index = window_.currentIndex();
        stack_.push(new CommonInputStep(*this, index, page, commonBaseline_, common, columns.Item(index).input(),
                                        changeText(DescribeCommonChange(commonBaseline_, common))));
        commonBaseline_ = common;
    }
}

void EditHistory::scheduleCapture() {
    if (pending_) return;
    pending_ = true;
    QTimer::singleShot(0, this, [this] {
        if (pending_) capture();
    });
}

void EditHistory::resetBaseline() {
    baselineIndex_ = window_.currentIndex();
    itemBaseline_ = window_.columns().Item(baselineIndex_).input();
    commonBaseline_ = window_.common().input();
}

void EditHistory::clear() {
    pending_ = false;
    stack_.clear();
    stack_.setClean();
    resetBaseline();
}

void EditHistory::endRenaming() {
    capture();
    ++renameRun_;
}

void EditHistory::markSaved() {
    capture();
    stack_.setClean();
}

void EditHistory::markNeverSaved() {
    capture();
    stack_.resetClean();
}

void EditHistory::beginListChange(bool wholeList) {
    capture();
    indexBefore_ = window_.currentIndex();
    listBefore_.clear();
    if (wholeList) listBefore_ = listInputs();
    itemBefore_ = window_.columns().Item(indexBefore_).input();
    // The items are about to move: nothing is compared with the item at
    // the old index until the list is shown again.
    baselineIndex_ = -1;
}

void EditHistory::dropListChange() {
    listBefore_.clear();
    listBefore_.shrink_to_fit();
}

std::vector<MemberInputData> EditHistory::listInputs() const {
    const ColumnsData& columns = window_.columns();
    std::vector<MemberInputData> inputs;
    inputs.reserve(static_cast<std::size_t>(columns.Count()));
    for (int i = 0; i < columns.Count(); ++i)
        inputs.push_back(columns.Item(i).input());
    return inputs;
}

void EditHistory::itemInserted(int index, const QString& text) {
    stack_.push(new ItemPresenceStep(*this, index, indexBefore_, window_.currentPage(),
                                     window_.columns().Item(index).input(), true, text));
    resetBaseline();
}

void EditHistory::itemDeleted(int index, const QString& text) {
    stack_.push(new ItemPresenceStep(*this, index, indexBefore_, window_.currentPage(), itemBefore_, false, text));
    resetBaseline();
}

void EditHistory::listReplaced(const QString& text) {
    stack_.push(new ListStep(*this, window_.currentPage(), std::move(listBefore_), indexBefore_, listInputs(),
                             window_.currentIndex(), text));
    listBefore_ = {};
    resetBaseline();
}

void EditHistory::restoreItem(int index, int page, const MemberInputData& inputs) {
    ++restoring_;
    ColumnMember& item = window_.columns().Item(index);
    const bool renamed = item.Name != inputs.Name;
    item.input() = inputs;
    if (renamed) {
        if (auto* nameList = window_.findChild<QComboBox*>(QStringLiteral("NameList"));
            nameList != nullptr && index < nameList->count()) {
            const QSignalBlocker blocker(nameList);
            nameList->setItemText(index, toQString(inputs.Name));
        }
    }
    finishRestore(index, page, false);
}

void EditHistory::restoreCommon(int index, int page, const CommonInputData& inputs, const MemberInputData& item) {
    ++restoring_;
    CommonData& common = window_.common();
    common.input() = inputs;
    window_.columns().Item(index).input() = item;
    common.UpdateVelocityPressure();
    common.UpdateMidHeights();
    window_.showRestoredCommon();
    finishRestore(index, page, false);
}

void EditHistory::restorePresence(int index, int page, const MemberInputData& item, bool present, int showIndex) {
    ++restoring_;
    ColumnsData& columns = window_.columns();
    auto* nameList = window_.findChild<QComboBox*>(QStringLiteral("NameList"));
    // The name list follows the one entry, as the add and delete commands do:
    // refilling it would cost as much as the step itself on a long list.
    const QSignalBlocker blocker(nameList);
    if (present) {
        ColumnMember member;
        member.input() = item;
        columns.Insert(index, member);
        if (nameList != nullptr) nameList->insertItem(index, toQString(item.Name));
    } else {
        columns.Delete(index);
        if (nameList != nullptr) nameList->removeItem(index);
    }
    window_.releaseItemLinks();
    finishRestore(showIndex, page, false);
}

void EditHistory::restoreList(int page, const std::vector<MemberInputData>& inputs, int showIndex) {
    ++restoring_;
    std::vector<ColumnMember> items(inputs.size());
    for (std::size_t i = 0; i < inputs.size(); ++i)
        items[i].input() = inputs[i];
    window_.columns().Replace(std::move(items));
    window_.releaseItemLinks();
    finishRestore(showIndex, page, true);
}

void EditHistory::finishRestore(int index, int page, bool listChanged) {
    window_.showRestored(index, page, listChanged);
    --restoring_;
    resetBaseline();
}

} // namespace tarvo::gui
