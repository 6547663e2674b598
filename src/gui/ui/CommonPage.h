#pragma once
// The common conditions page: the basis of the wind pressure, wind speed,
// roughness, building height and increase factor with the velocity pressure
// they give, the floor level and storey heights with the wooden storeys,
// and the snow area. The page draws the common form state of the project's
// conditions; a choice or a number left in a field goes as a value to the
// form, and what it makes of the conditions is committed to the project
// document at once, as one command.
#include <QWidget>

#include <utility>
#include <vector>

#include "core/form/CommonFormState.h"
#include "core/project/CommonFields.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace tarvo::gui {

class NumLabeledEdit;
class PageContext;
class RadioGroup;

class CommonPage : public QWidget {
    Q_OBJECT
public:
    explicit CommonPage(PageContext& context, QWidget* parent = nullptr);

    // Draws the project's common conditions (fields, choices, check boxes).
    void showProject();
    // Draws the page again, the velocity pressure label with it ("？"
    // without a height).
    void refreshVelocityLabel();

signals:
    // The floor list of the column page, or with wind the mid-height of a
    // storey on it, changed (a wooden storey, a storey height, the floor
    // level, wind on or off): the shown item is out of date with it.
    void woodenStoreyChanged();
    // The snow area was chosen (0 general, 1 heavy snow).
    void snowAreaChanged(int snowArea);
    // An input of the velocity pressure changed.
    void velocityPressureChanged();

private:
    void buildPage(QWidget* page);
    void bindField(NumLabeledEdit* field, CommonFieldId id);
    // What the form makes of `value` chosen for `id`, committed; the page is
    // drawn again.
    void choose(CommonFieldId id, double value);
    void draw(const CommonFormState& state);

    PageContext& context_;
    CommonFormState state_;
    RadioGroup* radioGroup1_ = nullptr;
    QComboBox* v0Select_ = nullptr;
    QComboBox* roughSelect_ = nullptr;
    NumLabeledEdit* buildingHeight_ = nullptr;
    NumLabeledEdit* upQ_ = nullptr;
    QLabel* velocity_ = nullptr;
    NumLabeledEdit* floorLevel_ = nullptr;
    NumLabeledEdit* floorHeights_[4] = {};
    QCheckBox* structCheckBoxes_[4] = {};
    RadioGroup* snowEriaSelect_ = nullptr;
    QPushButton* defaultButton1_ = nullptr;
    std::vector<std::pair<NumLabeledEdit*, CommonFieldId>> fields_;
};

} // namespace tarvo::gui
