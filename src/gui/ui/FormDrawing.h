#pragma once
// Puts the core's form controls into Qt widgets: entries, choice, check
// state, value, caption and enabling, exactly as the control says. Drawing
// emits no signal of the widget, so a page's handlers run only for what the
// user does. Nothing here decides anything about the item.
#include <QStringList>

#include <span>
#include <string_view>

#include "core/form/FormControls.h"
#include "gui/ui/NumberEdit.h"

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLabel;

namespace tarvo::gui {

class RadioGroup;
class UpDownButtons;

// Fixed texts of a table as the items of a list or group.
[[nodiscard]] QStringList textsOf(std::span<const std::string_view> texts);

// The value of entry `index` of `list`, or `none` for an index beyond it.
[[nodiscard]] int valueAt(const ChoiceControl& list, int index, int none = -1);

void drawChoice(QComboBox& combo, const ChoiceControl& list);
void drawChoice(RadioGroup& group, const ChoiceControl& list);
void drawFlag(QAbstractButton& box, const FlagControl& flag);
void drawLabel(QLabel& label, const LabelControl& control);
void drawSpin(UpDownButtons& spin, const SpinControl& control);
void drawButton(QAbstractButton& button, const ButtonControl& control);

// The enabling and, for a control the page hides, the shown state.
void drawShown(QWidget& widget, bool enabled, bool visible);

// A numeric field: whether 0 shows, the value, the enabling.
template <typename FieldId> void drawNumber(NumberEdit& field, const NumberControl<FieldId>& control) {
    field.model().setZeroVisible(control.zeroVisible);
    field.showValue(control.value);
    drawShown(field, control.enabled, control.visible);
}

} // namespace tarvo::gui
