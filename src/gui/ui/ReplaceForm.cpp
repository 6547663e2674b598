#include "gui/ui/ReplaceForm.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "core/project/ArrangeLine.h"
#include "gui/ui/ArrangeListBox.h"
#include "gui/ui/InputDlg.h"

namespace tarvo::gui {

namespace {

// Leading and trailing blanks and control characters, as a typed name loses them.
QString trimBlanks(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() <= 0x20)
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= 0x20)
        --end;
    return text.mid(begin, end - begin);
}

// An icon of the program's resources; none where they are not linked in.
QIcon resourceIcon(const char* name) {
    const QString path = QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name));
    return QFile::exists(path) ? QIcon(path) : QIcon();
}

constexpr int kTwoColumnsFrom = 16; // lines
constexpr int kColumnGap = 5;       // pixels between two columns

} // namespace

ReplaceForm::ReplaceForm(InputDlg& inputDlg, QWidget* parent) : QDialog(parent), inputDlg_(inputDlg) {
    setObjectName(QStringLiteral("ReplaceForm"));
    setWindowTitle(QStringLiteral("データ整理"));
    if (parent != nullptr) setFont(parent->font());

    auto* toolBar = new QToolBar(this);
    toolBar->setObjectName(QStringLiteral("ToolBar"));
    toolBar->setIconSize(QSize(16, 16));
    const auto toolButton = [toolBar](const char* name, const QString& hint) {
        auto* button = new QToolButton(toolBar);
        button->setObjectName(QLatin1String(name));
        button->setToolTip(hint);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        toolBar->addWidget(button);
        return button;
    };
    QToolButton* deleteButton = toolButton("ToolButton1", QStringLiteral("削除"));
    deleteButton->setIcon(resourceIcon("edit-delete"));
    QToolButton* undoButton = toolButton("ToolButton2", QStringLiteral("削除データの復活"));
    undoButton->setIcon(resourceIcon("edit-undo"));
    toolBar->addSeparator();
    QToolButton* nameButton = toolButton("SpeedButton1", QStringLiteral("名称変更"));
    nameButton->setText(QStringLiteral("Ｎame"));
    connect(deleteButton, &QToolButton::clicked, this, &ReplaceForm::DeleteNameClick);
    connect(undoButton, &QToolButton::clicked, this, &ReplaceForm::DeleteUndoClick);
    connect(nameButton, &QToolButton::clicked, this, &ReplaceForm::NameChangeClick);

    auto* hint = new QLabel(QStringLiteral("Drag＆Drop で並べ替えができます"), this);
    hint->setObjectName(QStringLiteral("Panel1"));
    hint->setAlignment(Qt::AlignCenter);
    hint->setFrameShape(QFrame::Panel);
    hint->setFrameShadow(QFrame::Raised);

    listBox_ = new ArrangeListBox(this);
    listBox_->setObjectName(QStringLiteral("ListBox"));
    listBox_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(listBox_, &QWidget::customContextMenuRequested, this, &ReplaceForm::PopupMenuPopup);

    popupMenu_ = new QMenu(this);
    popupMenu_->setObjectName(QStringLiteral("PopupMenu"));
    nameChange_ = popupMenu_->addAction(QStringLiteral("名称変更 (&N)"));
    nameChange_->setObjectName(QStringLiteral("NameChange"));
    popupMenu_->addSeparator();
    deleteName_ = popupMenu_->addAction(QStringLiteral("削　除 (&D)"));
    deleteName_->setObjectName(QStringLiteral("DeleteName"));
    deleteUndo_ = popupMenu_->addAction(QStringLiteral("削除データの復活 (&U)"));
    deleteUndo_->setObjectName(QStringLiteral("DeleteUndo"));
    connect(nameChange_, &QAction::triggered, this, &ReplaceForm::NameChangeClick);
    connect(deleteName_, &QAction::triggered, this, &ReplaceForm::DeleteNameClick);
    connect(deleteUndo_, &QAction::triggered, this, &ReplaceForm::DeleteUndoClick);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setText(QStringLiteral("Ok"));
    ok->setDefault(true);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 0, 4, 6);
    layout->setSpacing(3);
    layout->addWidget(toolBar);
    layout->addWidget(hint);
    layout->addWidget(listBox_, 1);
    layout->addWidget(buttons);
    resize(242, 278);
}

void ReplaceForm::setLines(const QStringList& lines) {
    listBox_->clear();
    listBox_->addItems(lines);
    const QFontMetrics metrics(listBox_->font());
    int widest = 0;
    for (const QString& line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    widestLine_ = widest;
}

QStringList ReplaceForm::lines() const {
    QStringList result;
    result.reserve(listBox_->count());
    for (int i = 0; i < listBox_->count(); ++i)
        result.append(listBox_->item(i)->text());
    return result;
}

int ReplaceForm::lineHeight() const {
    // Three points of spacing plus the height of the font.
    const double dpi = listBox_->logicalDpiY();
    const int spacing = static_cast<int>(std::lround(dpi * 3.0 / 72.0));
    const QFont font = listBox_->font();
    const int fontHeight = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    return spacing + std::abs(fontHeight);
}

void ReplaceForm::showEvent(QShowEvent* event) {
    deleted_.clear();
    const int columns = listBox_->count() >= kTwoColumnsFrom ? 2 : 1;
    const int height = lineHeight();
    if (QLayout* box = layout()) box->activate();
    // The width the lines can use: one column loses the vertical scroll bar
    // once the lines overflow the list.
    int clientWidth = listBox_->contentsRect().width();
    if (columns == 1 && listBox_->count() * height > listBox_->contentsRect().height())
        clientWidth -= listBox_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, listBox_);
    const int needed = columns * (widestLine_ + kColumnGap) - kColumnGap;
    if (needed > clientWidth) resize(width() + needed - clientWidth, this->height());
    listBox_->setLayoutGrid(height, columns);
    QDialog::showEvent(event);
}

int ReplaceForm::selectedLine() const {
    const QList<QListWidgetItem*> selected = listBox_->selectedItems();
    return selected.isEmpty() ? -1 : listBox_->row(selected.front());
}

void ReplaceForm::PopupMenuPopup(const QPoint& pos) {
    const bool lineSelected = selectedLine() >= 0;
    nameChange_->setEnabled(lineSelected);
    deleteName_->setEnabled(lineSelected && listBox_->count() > 1);
    deleteUndo_->setEnabled(!deleted_.empty());
    popupMenu_->popup(listBox_->viewport()->mapToGlobal(pos));
}

void ReplaceForm::DeleteNameClick() {
    const int row = selectedLine();
    if (row < 0 || listBox_->count() <= 1) return;
    QListWidgetItem* line = listBox_->takeItem(row);
    deleted_.push_back({row, line->text()});
    delete line;
    listBox_->clearSelection();
}

void ReplaceForm::DeleteUndoClick() {
    if (deleted_.empty()) return;
    const UndoMember entry = deleted_.back();
    deleted_.pop_back();
    const int row = std::clamp(entry.index, 0, listBox_->count());
    listBox_->insertItem(row, entry.text);
    listBox_->setCurrentRow(row);
}

void ReplaceForm::NameChangeClick() {
    const int row = selectedLine();
    if (row < 0) return;
    QListWidgetItem* line = listBox_->item(row);
    const QByteArray text = line->text().toUtf8();
    const ArrangeLineParts parts = SplitArrangeLine(std::string_view(text.constData(), text.size()));
    inputDlg_.setText(QString::fromUtf8(parts.name.data(), static_cast<qsizetype>(parts.name.size())));
    if (inputDlg_.exec() != QDialog::Accepted) return;
    line->setText(QString::fromUtf8(parts.prefix.data(), static_cast<qsizetype>(parts.prefix.size())) +
                  trimBlanks(inputDlg_.text()));
}

} // namespace tarvo::gui
