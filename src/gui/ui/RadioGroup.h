#pragma once
// A captioned group of radio buttons chosen by index, laid out in columns
// (filled column by column). The buttons are children of the group in item
// order. `itemClicked` is emitted whenever the chosen index changes, whether
// the user clicked or the program set it; a handler that must tell the two
// apart asks its owner whether an item is being shown.
#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QGridLayout;
class QRadioButton;

namespace tarvo::gui {

class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit RadioGroup(const QString& caption, QWidget* parent = nullptr);

    // Replaces the buttons; the chosen index becomes -1 (none) without a signal.
    void setItems(const QStringList& items);
    [[nodiscard]] QStringList items() const;
    [[nodiscard]] int count() const;
    void setColumns(int columns);
    [[nodiscard]] int columns() const { return columns_; }

    // -1 when no button is chosen.
    [[nodiscard]] int itemIndex() const;
    // Chooses button `index` (-1 or out of range: none) and emits
    // `itemClicked` when the index changed.
    void setItemIndex(int index);
    [[nodiscard]] QRadioButton* button(int index) const;

signals:
    void itemClicked(int index);

private:
    void relayout();

    QButtonGroup* group_;
    QGridLayout* grid_;
    QList<QRadioButton*> buttons_;
    int columns_ = 1;
    int index_ = -1;
};

} // namespace tarvo::gui
