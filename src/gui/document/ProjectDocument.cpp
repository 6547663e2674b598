#include "gui/document/ProjectDocument.h"

#include <algorithm>
#include <utility>

#include "core/project/InputChange.h"
#include "core/project/ProjectFile.h"
#include "gui/document/DocumentCommands.h"

namespace tarvo::gui {

namespace {

QString changeText(const std::string& what) {
    return QString::fromStdString(what) + QStringLiteral(" の変更");
}

} // namespace

ProjectDocument::ProjectDocument(std::filesystem::path settingsFile, QObject* parent)
    : QObject(parent), common_(std::move(settingsFile)), check_(catalogue_, common_) {
    connect(&stack_, &QUndoStack::cleanChanged, this, [this] { emitModified(); });
    connect(&stack_, &QUndoStack::indexChanged, this, [this] { emitModified(); });
    newProject();
}

void ProjectDocument::setCurrentIndex(int index) {
    const int clamped = std::clamp(index, 0, columns_.Count() - 1);
    if (clamped == current_) return;
    current_ = clamped;
    emit currentChanged(current_);
}

void ProjectDocument::setFileName(const std::filesystem::path& file) {
    if (file == file_) return;
    file_ = file;
    emit fileNameChanged();
}

bool ProjectDocument::editItem(int index, const MemberInputData& after, int origin, const MemberInputData* shown,
                               int renameRun, int action) {
    if (index < 0 || index >= columns_.Count()) return false;
    const MemberInputData& stored = columns_.Item(index).input();
    MemberInputData result = after;
    ApplyDerivedInputs(result, check_.CheckColumn(result));
    if (result == stored) return false;
    std::string what = shown != nullptr ? DescribeItemChange(*shown, result) : std::string();
    if (what.empty()) what = DescribeItemChange(stored, result);
    const bool renaming = result.Name != stored.Name;
    stack_.push(new ItemEditCommand(*this, index, stored, std::move(result), changeText(what), origin,
                                    renaming ? renameRun : -1, action));
    return true;
}

bool ProjectDocument::setItemField(int index, ItemFieldId field, double value, int origin) {
    if (index < 0 || index >= columns_.Count()) return false;
    const ItemField& entry = itemField(field);
    if (entry.set == nullptr) return false;
    MemberInputData after = columns_.Item(index).input();
    entry.set(after, value);
    return editItem(index, after, origin);
}

bool ProjectDocument::editCommon(const CommonInputData& after, int origin) {
    const CommonInputData& before = common_.input();
    if (after == before) return false;
    stack_.push(new CommonEditCommand(*this, before, after, changeText(DescribeCommonChange(before, after)), origin));
    return true;
}

bool ProjectDocument::setCommonField(CommonFieldId field, double value, int origin) {
    CommonInputData after = common_.input();
    commonField(field).set(after, value);
    return editCommon(after, origin);
}

bool ProjectDocument::insertItem(int index, const MemberInputData& item, const QString& text, int origin) {
    if (index < 0 || index > columns_.Count()) return false;
    stack_.push(new ItemPresenceCommand(*this, index, current_, item, true, text, origin));
    return true;
}

bool ProjectDocument::removeItem(int index, const QString& text, int origin) {
    // The list is never empty, and its first item stays.
    if (index <= 0 || index >= columns_.Count()) return false;
    stack_.push(new ItemPresenceCommand(*this, index, index, columns_.Item(index).input(), false, text, origin));
    return true;
}

bool ProjectDocument::replaceItems(std::vector<MemberInputData> items, int showIndex, const QString& text, int origin) {
    if (items.empty()) return false;
    std::vector<MemberInputData> before = listInputs();
    if (before == items) return false;
    stack_.push(new ListCommand(*this, std::move(before), current_, std::move(items), showIndex, text, origin));
    return true;
}

void ProjectDocument::newProject() {
    common_.ResetToDefaults();
    columns_.Reset();
    ColumnMember& first = columns_.Item(0);
    first.ColumnMaterial = common_.ColumnMatDefault;
    first.BaseMaterial = common_.BaseMatDefault;
    current_ = 0;
    file_.clear();
    resetHistory();
}

bool ProjectDocument::open(const std::filesystem::path& file, MessageSink& messages) {
    if (LoadProject(file, common_, columns_, messages) != 0) return false;
    current_ = 0;
    file_ = file;
    resetHistory();
    return true;
}

int ProjectDocument::computes(const MemberInputData& item) const {
    return check_.CheckColumn(item).computable() ? 1 : 0;
}

void ProjectDocument::countComputable() {
    computable_ = 0;
    for (int i = 0; i < columns_.Count(); ++i)
        computable_ += computes(columns_.Item(i));
}

void ProjectDocument::resetHistory() {
    countComputable();
    stack_.clear();
    stack_.setClean();
    unsavedWork_ = false;
    emit projectReset();
    emit fileNameChanged();
    emitModified();
}

void ProjectDocument::markSaved() {
    unsavedWork_ = false;
    stack_.setClean();
    emitModified();
}

void ProjectDocument::markUnsavedWork() {
    unsavedWork_ = true;
    emitModified();
}

void ProjectDocument::emitModified() {
    const bool modified = isModified();
    if (modified == lastModified_) return;
    lastModified_ = modified;
    emit modifiedChanged(modified);
}

bool ProjectDocument::saveCommonDefaults(MessageSink& messages) {
    return common_.SaveCommonDefaults(messages);
}

bool ProjectDocument::saveMaterialDefault(MaterialDefault which, const MatInputData& material, MessageSink& messages) {
    (which == MaterialDefault::Column ? common_.ColumnMatDefault : common_.BaseMatDefault) = material;
    return common_.SaveMaterialDefault(which, messages);
}

ColumnsData ProjectDocument::itemsCopy() const {
    std::vector<ColumnMember> items;
    items.reserve(static_cast<std::size_t>(columns_.Count()));
    for (int i = 0; i < columns_.Count(); ++i)
        items.push_back(columns_.Item(i));
    ColumnsData copy;
    copy.Replace(std::move(items));
    return copy;
}

ColumnsData ProjectDocument::columnsAsSaved() const {
    ColumnsData saved = itemsCopy();
    ApplyDerivedInputs(saved, check_);
    return saved;
}

std::vector<MemberInputData> ProjectDocument::listInputs() const {
    std::vector<MemberInputData> inputs;
    inputs.reserve(static_cast<std::size_t>(columns_.Count()));
    for (int i = 0; i < columns_.Count(); ++i)
        inputs.push_back(columns_.Item(i).input());
    return inputs;
}

void ProjectDocument::putItem(int index, const MemberInputData& inputs, int origin) {
    computable_ += computes(inputs) - computes(columns_.Item(index));
    columns_.Item(index).input() = inputs;
    current_ = index;
    emit itemChanged(index, origin);
}

void ProjectDocument::putCommon(const CommonInputData& inputs, int origin) {
    common_.input() = inputs;
    common_.UpdateVelocityPressure();
    common_.UpdateMidHeights();
    // The conditions decide whether an item checks: every item again.
    countComputable();
    emit commonChanged(origin);
}

void ProjectDocument::putPresence(int index, const MemberInputData& item, bool present, int showIndex, int origin) {
    if (present) {
        ColumnMember member;
        member.input() = item;
        if (columns_.Insert(index, member)) computable_ += computes(item);
    } else {
        const int lost = computes(columns_.Item(index));
        if (columns_.Delete(index)) computable_ -= lost;
    }
    current_ = std::clamp(showIndex, 0, columns_.Count() - 1);
    if (present)
        emit itemInserted(index, current_, origin);
    else
        emit itemRemoved(index, current_, origin);
}

void ProjectDocument::putList(const std::vector<MemberInputData>& items, int showIndex, int origin) {
    std::vector<ColumnMember> members(items.size());
    for (std::size_t i = 0; i < items.size(); ++i)
        members[i].input() = items[i];
    columns_.Replace(std::move(members));
    countComputable();
    current_ = std::clamp(showIndex, 0, columns_.Count() - 1);
    emit listReplaced(current_, origin);
}

} // namespace tarvo::gui
