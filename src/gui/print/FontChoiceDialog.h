#pragma once
// The font dialog of the print layout: face, size in points and style. Bold
// and italic are offered for every face, as the printer draws them also for
// faces that have no bold or italic of their own (the Japanese faces).
#include <QDialog>

#include "core/print/FontSpec.h"

class QCheckBox;
class QFontComboBox;
class QLabel;
class QSpinBox;

namespace tarvo::gui {

class FontChoiceDialog : public QDialog {
    Q_OBJECT
public:
    // Opens with `font`; a stored name shows as its installed stand-in.
    explicit FontChoiceDialog(const FontSpec& font, QWidget* parent = nullptr);

    // The chosen font. A face that is the stand-in of the name it opened
    // with keeps that name, so the settings stay readable by the Windows
    // program.
    [[nodiscard]] FontSpec chosenFont() const;

private:
    void showSample();

    FontSpec initial_;
    QFontComboBox* family_ = nullptr;
    QSpinBox* size_ = nullptr;
    QCheckBox* bold_ = nullptr;
    QCheckBox* italic_ = nullptr;
    QCheckBox* underline_ = nullptr;
    QCheckBox* strikeOut_ = nullptr;
    QLabel* sample_ = nullptr;
};

} // namespace tarvo::gui
