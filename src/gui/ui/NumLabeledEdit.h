#pragma once
// A numeric entry field with a caption label.
#include <QPointer>
#include <QString>

#include "gui/ui/NumberEdit.h"

class QLabel;

namespace tarvo::gui {

// The same field with a caption label. The label is a sibling (same parent),
// laid out by the page beside or above the field; it follows the field's
// parent, shown state and enabled state and goes with the field.
class NumLabeledEdit : public NumberEdit {
    Q_OBJECT
public:
    explicit NumLabeledEdit(const QString& caption, QWidget* parent = nullptr);
    ~NumLabeledEdit() override;
    NumLabeledEdit(const NumLabeledEdit&) = delete;
    NumLabeledEdit& operator=(const NumLabeledEdit&) = delete;

    [[nodiscard]] QLabel* editLabel() const;

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QPointer<QLabel> label_;
};

} // namespace tarvo::gui
