#pragma once
// The page "横架材材料（個別）": the material of the horizontal member under the
// current column (the item's `BaseMaterial`), the column's bearing options and
// the display name of the horizontal member. Sawn lumber is always judged as
// ungraded here. The page draws the horizontal-member form state of the
// shown item and forwards each choice as a value to the form, whose item
// becomes the shown item. Nothing here checks the item (the column design
// page does that when it is entered again).
#include <QWidget>

#include <array>
#include <optional>

#include "core/form/BaseMaterialFormState.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QPushButton;
class QRadioButton;

namespace tarvo::gui {

class PageContext;
class RadioGroup;

class BaseMaterialPage : public QWidget {
    Q_OBJECT
public:
    explicit BaseMaterialPage(PageContext& context, QWidget* parent = nullptr);

    // Draws the shown item's horizontal member, bearing options and
    // display name. Counts no edit.
    void showItem();

private:
    [[nodiscard]] MemberInputData& shown();
    // The item a choice made, if any, into the shown item and committed;
    // the page is drawn again (a refused choice puts the control back).
    void take(const std::optional<MemberInputData>& after);
    void redraw();

    PageContext& context_;
    BaseMaterialFormState state_;

    QButtonGroup* productButtons_ = nullptr;
    std::array<QRadioButton*, kProductKindCount> baseMatButtons_{};
    RadioGroup* baseMatGroup1_ = nullptr;
    RadioGroup* baseMatGroup2_ = nullptr;
    RadioGroup* baseMatGroup3_ = nullptr;
    QCheckBox* fcvUpper_ = nullptr;
    QCheckBox* endPosition_ = nullptr;
    QComboBox* selectBaseName_ = nullptr;
    QPushButton* defaultButton2_ = nullptr;
};

} // namespace tarvo::gui
