#pragma once
// The page "横架材材料（個別）": the material of the horizontal member under the
// current column (the item's `BaseMaterial`), the column's bearing options and
// the display name of the horizontal member. Sawn lumber is always judged as
// ungraded here. Nothing here recomputes the item (the column design page
// does that when it is entered again).
#include <QWidget>

#include <array>

#include "core/material/MatInputData.h"

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

    // Loads every control from the current item (horizontal-member material,
    // `FcvUpper`, `BaseNameIndex`) and applies the enabling rules. Counts no
    // edit.
    void showItem();

private:
    // Event handlers, named after their controls; the product buttons share
    // one handler and tell themselves apart by their tag (the product kind).
    void BaseMatButtonClick(int tag);
    void BaseMatGroup1Click(int index);
    void BaseMatGroup2Click(int index);
    void BaseMatGroup3Click(int index);
    void Fcv_UpperClick(bool checked);
    void EndPositionClick(bool checked);
    void SelectBaseNameChange(int index);
    void DefaultButton2Click();

    [[nodiscard]] MatInputData& material();
    // Checks the product button of the stored product and enables the
    // controls that belong to it.
    void updatePage();
    // A user's change (not the page being loaded) of a radio group.
    [[nodiscard]] bool userChoice(int index) const { return !loading_ && index >= 0; }

    PageContext& context_;
    bool loading_ = false;

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
