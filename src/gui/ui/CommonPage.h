#pragma once
// The common conditions page: the basis of the wind pressure, wind speed,
// roughness, building height and increase factor with the velocity pressure
// they give, the floor level and storey heights with the wooden storeys,
// and the snow area. Every change is committed to the project document at
// once, as one command.
#include <QWidget>

#include <utility>
#include <vector>

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

    // Puts the common conditions into the page (fields, choices, check boxes).
    void showProject();
    // Recomputes the velocity pressure and shows it ("？" without a height).
    void refreshVelocityLabel();

signals:
    // A storey was marked wooden or not: the floor list is out of date.
    void woodenStoreyChanged();
    // The snow area was chosen (0 general, 1 heavy snow).
    void snowAreaChanged(int snowArea);
    // An input of the velocity pressure changed.
    void velocityPressureChanged();

private:
    void buildPage(QWidget* page);
    void bindField(NumLabeledEdit* field, CommonFieldId id);
    // The common conditions with `id` set to `value`, committed.
    void commit(CommonFieldId id, double value);

    PageContext& context_;
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
