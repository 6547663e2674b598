#include "gui/ui/ArrangeListBox.h"

#include <QApplication>
#include <QDrag>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <cstdlib>

namespace tarvo::gui {

ArrangeListBox::ArrangeListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
    setMovement(QListView::Static);
    setResizeMode(QListView::Adjust);
    setLayoutMode(QListView::Batched);
    setBatchSize(2000);
    // The drag is run here, not by the item view's own drag and drop.
    setDragEnabled(false);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDropIndicatorShown(false);
    QPalette white = palette();
    white.setColor(QPalette::Base, Qt::white);
    setPalette(white);
}

void ArrangeListBox::setLayoutGrid(int height, int columns) {
    lineHeight_ = std::max(1, height);
    columns_ = std::max(1, columns);
    // Two columns flow from top to bottom and on into the next column, with
    // a horizontal scroll bar; one column scrolls vertically.
    setWrapping(columns_ > 1);
    setFlow(QListView::TopToBottom);
    setHorizontalScrollBarPolicy(columns_ > 1 ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(columns_ > 1 ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    updateGrid();
}

void ArrangeListBox::updateGrid() {
    const int width = std::max(1, viewport()->width() / columns_);
    setGridSize(QSize(width, lineHeight_));
}

void ArrangeListBox::resizeEvent(QResizeEvent* event) {
    QListWidget::resizeEvent(event);
    updateGrid();
}

int ArrangeListBox::lineAt(const QPoint& pos) const {
    const QModelIndex index = indexAt(pos);
    return index.isValid() ? index.row() : -1;
}

void ArrangeListBox::moveLine(int from, int to) {
    if (from < 0 || from >= count() || to < 0 || to >= count()) return;
    if (from != to) insertItem(to, takeItem(from));
    setCurrentRow(to);
    clearSelection();
}

QPixmap ArrangeListBox::dragImage(int row) const {
    const QString text = item(row)->text();
    const QFontMetrics metrics(font());
    QPixmap image(std::max(1, metrics.horizontalAdvance(text)), std::max(1, metrics.height()));
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(QPoint(0, metrics.ascent()), text);
    return image;
}

void ArrangeListBox::mousePressEvent(QMouseEvent* event) {
    armed_ = event->button() == Qt::LeftButton;
    if (armed_) pressPos_ = event->position().toPoint();
    QListWidget::mousePressEvent(event);
}

void ArrangeListBox::mouseMoveEvent(QMouseEvent* event) {
    if (armed_ && (event->buttons() & Qt::LeftButton)) {
        const QPoint moved = event->position().toPoint() - pressPos_;
        const int threshold = QApplication::startDragDistance();
        if (std::abs(moved.x()) > threshold || std::abs(moved.y()) > threshold) {
            armed_ = false;
            startLineDrag();
            return;
        }
    }
    QListWidget::mouseMoveEvent(event);
}

void ArrangeListBox::mouseReleaseEvent(QMouseEvent* event) {
    armed_ = false;
    QListWidget::mouseReleaseEvent(event);
}

void ArrangeListBox::startLineDrag() {
    const int row = lineAt(pressPos_);
    if (count() <= 1 || row < 0) return;
    auto* mime = new QMimeData;
    mime->setData(QLatin1String(kLineMimeType), QByteArray::number(row));
    auto* drag = new QDrag(this);
    drag->setMimeData(mime);
    const QPixmap image = dragImage(row);
    drag->setPixmap(image);
    // The image's top-left corner lies one text height below the pointer.
    drag->setHotSpot(QPoint(0, -QFontMetrics(font()).height()));
    drag->exec(Qt::MoveAction);
}

void ArrangeListBox::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasFormat(QLatin1String(kLineMimeType)))
        event->acceptProposedAction();
    else
        event->ignore();
}

void ArrangeListBox::dragMoveEvent(QDragMoveEvent* event) {
    // The item view scrolls a long list when the pointer nears its edge.
    QListWidget::dragMoveEvent(event);
    const int row =
        event->mimeData()->hasFormat(QLatin1String(kLineMimeType)) ? lineAt(event->position().toPoint()) : -1;
    if (row < 0) {
        event->ignore();
        return;
    }
    setCurrentRow(row);
    event->acceptProposedAction();
}

void ArrangeListBox::dropEvent(QDropEvent* event) {
    const int to = lineAt(event->position().toPoint());
    if (!event->mimeData()->hasFormat(QLatin1String(kLineMimeType)) || to < 0) {
        event->ignore();
        return;
    }
    bool known = false;
    const int from = event->mimeData()->data(QLatin1String(kLineMimeType)).toInt(&known);
    if (!known || from < 0 || from >= count()) {
        event->ignore();
        return;
    }
    moveLine(from, to);
    event->acceptProposedAction();
}

} // namespace tarvo::gui
