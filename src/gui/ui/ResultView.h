#pragma once
// The picture of the result sheet on the column design page: the sheet of
// the item just checked, drawn in black on white at the window's font size.
#include <QImage>
#include <QLabel>

namespace tarvo {
struct ItemPresentation;
} // namespace tarvo

namespace tarvo::gui {

class ResultView : public QLabel {
    Q_OBJECT
public:
    explicit ResultView(QWidget* parent = nullptr);

    // Clears the picture to white and draws the sheet of a checked item with
    // the font at `fontPixels`.
    void drawSheet(const ItemPresentation& presentation, int fontPixels);
    // The texts drawn by the last drawSheet, in drawing order (for tools and tests).
    [[nodiscard]] const QStringList& drawnTexts() const { return texts_; }
    [[nodiscard]] const QImage& image() const { return image_; }

private:
    QImage image_;
    QStringList texts_;
};

} // namespace tarvo::gui
