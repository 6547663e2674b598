#pragma once
// The lines of the section design dialog: one per item of the list, ticked
// as the print selection is, with the present section and, once designed,
// its largest ratio, the proposed section with its largest ratio and the next
// smaller candidate with the check it fails.
#include <QAbstractTableModel>

#include <optional>
#include <utility>
#include <vector>

#include "core/design/SectionDesign.h"

namespace tarvo {
class ColumnsData;
}

namespace tarvo::gui {

class SectionDesignModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { kItem, kPresent, kPresentRatio, kProposed, kProposedRatio, kSmaller, kColumnCount };

    // Every item of `columns` (which must outlive the model), `ticked` ticked.
    SectionDesignModel(const ColumnsData& columns, int ticked, QObject* parent = nullptr);

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    void tickAll(bool ticked);
    [[nodiscard]] std::vector<int> tickedItems() const;
    // Shows `designs`, those of the items `items` in the same order.
    void setDesigns(const std::vector<int>& items, const std::vector<SectionDesign>& designs);
    [[nodiscard]] const std::optional<SectionDesign>& design(int item) const;
    // The changed sections of the ticked items that were designed.
    [[nodiscard]] std::vector<std::pair<int, SectionSize>> proposals() const;

private:
    [[nodiscard]] QString text(int row, int column) const;

    const ColumnsData& columns_;
    std::vector<bool> ticked_;
    std::vector<std::optional<SectionDesign>> designs_;
};

} // namespace tarvo::gui
