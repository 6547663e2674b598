#include "gui/app/SectionDesignModel.h"

#include <QBrush>
#include <QColor>

#include "core/project/ColumnsData.h"
#include "core/text/TextFormat.h"

namespace tarvo::gui {
namespace {

QString fromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

bool hasRatio(const GoverningCheck& check) {
    return check.Kind != CheckKind::Refused && check.Kind != CheckKind::None;
}

QString ratioText(const GoverningCheck& check) {
    return hasRatio(check) ? QString::number(check.Ratio, 'f', 3) : QStringLiteral("-");
}

// The section, its failing check and its ratio: "105×105 圧縮（常　時） 1.185".
QString failureText(const DesignTrial& trial) {
    std::string text = SectionText(trial.Section) + ' ' + GoverningCheckText(trial.Check);
    if (hasRatio(trial.Check)) text += formatText(" %.3f", trial.Check.Ratio);
    return fromUtf8(text);
}

} // namespace

SectionDesignModel::SectionDesignModel(const ColumnsData& columns, int ticked, QObject* parent)
    : QAbstractTableModel(parent), columns_(columns), ticked_(static_cast<std::size_t>(columns.Count()), false),
      designs_(static_cast<std::size_t>(columns.Count())) {
    if (ticked >= 0 && ticked < columns.Count()) ticked_[static_cast<std::size_t>(ticked)] = true;
}

int SectionDesignModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(ticked_.size());
}

int SectionDesignModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QString SectionDesignModel::text(int row, int column) const {
    const MemberInputData& item = columns_.Item(row);
    const std::optional<SectionDesign>& design = designs_[static_cast<std::size_t>(row)];
    if (column == kItem) return QStringLiteral("%1: %2").arg(row + 1).arg(fromUtf8(item.Name));
    if (column == kPresent) return fromUtf8(SectionText(SectionOf(item)));
    if (!design) return {};
    const bool passed = design->passed();
    switch (column) {
    case kPresentRatio: return ratioText(design->Present.Check);
    case kProposed: return passed ? fromUtf8(SectionText(design->Proposed->Section)) : QStringLiteral("なし");
    case kProposedRatio: return passed ? ratioText(design->Proposed->Check) : QStringLiteral("-");
    case kSmaller:
        if (design->Status == DesignStatus::NoCandidates) return QStringLiteral("この材料の候補断面がありません");
        if (!passed) return QStringLiteral("最大の ") + failureText(*design->Proposed);
        return design->Smaller ? failureText(*design->Smaller) : QStringLiteral("（最小の候補断面）");
    default: return {};
    }
}

QVariant SectionDesignModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const auto row = static_cast<std::size_t>(index.row());
    if (role == Qt::DisplayRole) return text(index.row(), index.column());
    if (role == Qt::CheckStateRole && index.column() == kItem) return ticked_[row] ? Qt::Checked : Qt::Unchecked;
    if (role == Qt::TextAlignmentRole && (index.column() == kPresentRatio || index.column() == kProposedRatio))
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    // An item without a passing section stands out.
    if (role == Qt::ForegroundRole && designs_[row] && !designs_[row]->passed()) return QBrush(QColor(Qt::red));
    return {};
}

QVariant SectionDesignModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
    case kItem: return QStringLiteral("番号: 名称");
    case kPresent: return QStringLiteral("現断面");
    case kPresentRatio: return QStringLiteral("最大比");
    case kProposed: return QStringLiteral("算定断面");
    case kProposedRatio: return QStringLiteral("最大比");
    case kSmaller: return QStringLiteral("一つ小さい断面で NG の検定");
    default: return {};
    }
}

Qt::ItemFlags SectionDesignModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == kItem) flags |= Qt::ItemIsUserCheckable;
    return flags;
}

bool SectionDesignModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || index.column() != kItem || role != Qt::CheckStateRole) return false;
    ticked_[static_cast<std::size_t>(index.row())] = value.toInt() == Qt::Checked;
    emit dataChanged(index, index, {Qt::CheckStateRole});
    return true;
}

void SectionDesignModel::tickAll(bool ticked) {
    std::fill(ticked_.begin(), ticked_.end(), ticked);
    if (!ticked_.empty()) emit dataChanged(index(0, kItem), index(rowCount() - 1, kItem), {Qt::CheckStateRole});
}

std::vector<int> SectionDesignModel::tickedItems() const {
    std::vector<int> items;
    for (std::size_t i = 0; i < ticked_.size(); ++i)
        if (ticked_[i]) items.push_back(static_cast<int>(i));
    return items;
}

void SectionDesignModel::setDesigns(const std::vector<int>& items, const std::vector<SectionDesign>& designs) {
    for (std::size_t k = 0; k < items.size() && k < designs.size(); ++k)
        designs_[static_cast<std::size_t>(items[k])] = designs[k];
    if (!ticked_.empty()) emit dataChanged(index(0, 0), index(rowCount() - 1, kColumnCount - 1));
}

const std::optional<SectionDesign>& SectionDesignModel::design(int item) const {
    return designs_[static_cast<std::size_t>(item)];
}

std::vector<std::pair<int, SectionSize>> SectionDesignModel::proposals() const {
    std::vector<std::pair<int, SectionSize>> out;
    for (std::size_t i = 0; i < designs_.size(); ++i) {
        if (ticked_[i] && designs_[i] && designs_[i]->changes())
            out.emplace_back(static_cast<int>(i), designs_[i]->Proposed->Section);
    }
    return out;
}

} // namespace tarvo::gui
