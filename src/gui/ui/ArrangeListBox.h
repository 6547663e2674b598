#pragma once
// The list of the arrange dialog: one line of text per item, of a fixed
// height, in one or two columns, reordered by dragging a line onto another.
// The dragged line is shown as an image of its text below the pointer; on
// the drop it is taken out and put in at the position of the line it was
// dropped on, the lines between moving up or down by one.
#include <QListWidget>

namespace tarvo::gui {

class ArrangeListBox : public QListWidget {
    Q_OBJECT
public:
    explicit ArrangeListBox(QWidget* parent = nullptr);

    // The drag's data names the line being moved; drops of anything else
    // are refused.
    static constexpr const char* kLineMimeType = "application/x-tarvo-arrange-line";

    // Lines of `height` pixels in `columns` columns of equal width.
    void setLayoutGrid(int height, int columns);
    [[nodiscard]] int columns() const { return columns_; }
    [[nodiscard]] int lineHeight() const { return lineHeight_; }

    // The row of the line under `pos` (viewport coordinates), or -1.
    [[nodiscard]] int lineAt(const QPoint& pos) const;
    // Moves the line at `from` to `to` and makes it the current line without
    // a selection.
    void moveLine(int from, int to);
    // The picture that follows the pointer while `row` is dragged: its text
    // in the list's font on a transparent ground, as large as the text.
    [[nodiscard]] QPixmap dragImage(int row) const;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void startLineDrag();
    void updateGrid();

    QPoint pressPos_;
    bool armed_ = false;
    int lineHeight_ = 17;
    int columns_ = 1;
};

} // namespace tarvo::gui
