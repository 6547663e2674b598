#include "gui/ui/FormDrawing.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include "gui/print/QtText.h"
#include "gui/ui/RadioGroup.h"
#include "gui/ui/UpDownButtons.h"

namespace tarvo::gui {
namespace {

QStringList entryTexts(const ChoiceControl& list) {
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(list.entries.size()));
    for (const ChoiceEntry& entry : list.entries)
        texts.append(toQString(entry.text));
    return texts;
}

} // namespace

void drawShown(QWidget& widget, bool enabled, bool visible) {
    widget.setEnabled(enabled);
    // A control the page hid comes back; one never hidden is left to its
    // parent, which shows it with itself.
    if (!visible)
        widget.setHidden(true);
    else if (widget.isHidden() && widget.testAttribute(Qt::WA_WState_ExplicitShowHide))
        widget.setHidden(false);
}

QStringList textsOf(std::span<const std::string_view> texts) {
    QStringList items;
    items.reserve(static_cast<qsizetype>(texts.size()));
    for (const std::string_view text : texts)
        items.append(toQString(text));
    return items;
}

int valueAt(const ChoiceControl& list, int index, int none) {
    return index >= 0 && index < static_cast<int>(list.entries.size())
               ? list.entries[static_cast<std::size_t>(index)].value
               : none;
}

void drawChoice(QComboBox& combo, const ChoiceControl& list) {
    const QSignalBlocker blocker(combo);
    const QStringList texts = entryTexts(list);
    QStringList shown;
    shown.reserve(combo.count());
    for (int i = 0; i < combo.count(); ++i)
        shown.append(combo.itemText(i));
    // The entries are put in again only when they differ, so an open list
    // and its scroll position stay as they are.
    if (shown != texts) {
        combo.clear();
        combo.addItems(texts);
    }
    combo.setCurrentIndex(list.selected);
    if (combo.isEditable() && combo.currentText() != toQString(list.text)) combo.setEditText(toQString(list.text));
    drawShown(combo, list.enabled, list.visible);
}

void drawChoice(RadioGroup& group, const ChoiceControl& list) {
    const QSignalBlocker blocker(group);
    const QStringList texts = entryTexts(list);
    if (group.items() != texts) group.setItems(texts);
    if (group.columns() != list.columns) group.setColumns(list.columns);
    group.setItemIndex(list.selected);
    drawShown(group, list.enabled, list.visible);
}

void drawFlag(QAbstractButton& box, const FlagControl& flag) {
    const QSignalBlocker blocker(box);
    box.setChecked(flag.checked);
    drawShown(box, flag.enabled, flag.visible);
}

void drawLabel(QLabel& label, const LabelControl& control) {
    if (!control.text.empty()) label.setText(toQString(control.text));
    drawShown(label, control.enabled, control.visible);
}

void drawSpin(UpDownButtons& spin, const SpinControl& control) {
    spin.setPosition(control.position);
    spin.setEnabled(control.enabled);
}

void drawButton(QAbstractButton& button, const ButtonControl& control) {
    button.setEnabled(control.enabled);
}

} // namespace tarvo::gui
