#include "gui/print/SelectDialog.h"

#include <QApplication>
#include <QEvent>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>
#include <utility>

#include "core/print/PrintChoice.h"
#include "core/print/PrintSettings.h"

namespace tarvo::gui {

SelectDialog::SelectDialog(ColumnsData& columns, const ColumnCheck& check, PrintSettings& settings,
                           std::function<void()> print, std::function<void()> preview, QWidget* parent)
    : QDialog(parent), items_(columns), check_(check), settings_(settings), print_(std::move(print)),
      preview_(std::move(preview)) {
    setObjectName(QStringLiteral("SelectDialog"));
    setWindowTitle(QStringLiteral("印刷データの選択"));
    // Only the system menu on the border.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    if (parent != nullptr) setFont(parent->font());

    auto* caption = new QLabel(QStringLiteral("印刷するデータをチェックしてください"), this);
    caption->setObjectName(QStringLiteral("Panel1"));
    caption->setFrameShape(QFrame::Panel);
    caption->setFrameShadow(QFrame::Raised);
    caption->setAlignment(Qt::AlignCenter);
    caption->setMinimumHeight(28);

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("CheckListBox"));
    list_->setFlow(QListView::TopToBottom);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->viewport()->installEventFilter(this);

    const auto button = [this](const char* name, const QString& text) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        return b;
    };
    QPushButton* printButton = button("PrintButton", QStringLiteral("印　刷"));
    QPushButton* previewButton = button("PreviewButton", QStringLiteral("プレビュー"));
    QPushButton* all = button("SpeedButton1", QStringLiteral("全て選択"));
    QPushButton* none = button("SpeedButton2", QStringLiteral("全て解除"));
    QPushButton* close = button("CloseButton", QStringLiteral("閉じる"));
    connect(printButton, &QPushButton::clicked, this, &SelectDialog::printClick);
    connect(previewButton, &QPushButton::clicked, this, &SelectDialog::previewClick);
    connect(all, &QPushButton::clicked, this, [this] { tickAll(true); });
    connect(none, &QPushButton::clicked, this, [this] { tickAll(false); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(printButton);
    buttons->addWidget(previewButton);
    buttons->addStretch();
    buttons->addWidget(all);
    buttons->addWidget(none);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);
    resize(520, 420);
}

std::vector<int> SelectDialog::entryIndices() const {
    std::vector<int> indices;
    indices.reserve(static_cast<std::size_t>(list_->count()));
    for (int row = 0; row < list_->count(); ++row)
        indices.push_back(list_->item(row)->data(Qt::UserRole).toInt());
    return indices;
}

void SelectDialog::showEvent(QShowEvent* event) {
    fillList();
    QDialog::showEvent(event);
}

void SelectDialog::fillList() {
    list_->clear();
    const std::vector<PrintChoiceEntry> entries = printChoiceEntries(items_, check_);
    for (const PrintChoiceEntry& entry : entries) {
        auto* item = new QListWidgetItem(QString::fromStdString(entry.text), list_);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
        // The entry keeps its item's index: the text is only for the eye.
        item->setData(Qt::UserRole, entry.index);
    }
    columns_ = printChoiceColumns(static_cast<int>(entries.size()));
    list_->setWrapping(columns_ > 1);
    list_->setHorizontalScrollBarPolicy(columns_ > 1 ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    arrangeColumns();
}

void SelectDialog::arrangeColumns() {
    // The font's height plus three points.
    const int entryHeight =
        QFontInfo(list_->font()).pixelSize() + static_cast<int>(std::lround(3.0 * list_->logicalDpiY() / 72.0));
    const int width = std::max(list_->viewport()->width() / columns_, 1);
    list_->setGridSize(QSize(width, entryHeight));
}

bool SelectDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_->viewport() && event->type() == QEvent::Resize) arrangeColumns();
    return QDialog::eventFilter(watched, event);
}

bool SelectDialog::storeSelection() {
    std::vector<PrintChoiceEntry> entries;
    std::vector<bool> ticked;
    for (int row = 0; row < list_->count(); ++row) {
        const QListWidgetItem* item = list_->item(row);
        entries.push_back({item->data(Qt::UserRole).toInt(), {}});
        ticked.push_back(item->checkState() == Qt::Checked);
    }
    settings_.printSelection = tickedSelection(entries, ticked);
    return !settings_.printSelection.empty();
}

void SelectDialog::printClick() {
    if (!storeSelection()) {
        QApplication::beep();
        QMessageBox::information(this, windowTitle(), QStringLiteral("印刷するデータを選択して下さい"));
        return;
    }
    if (print_) print_();
}

void SelectDialog::previewClick() {
    if (!storeSelection()) return;
    if (preview_) preview_();
}

void SelectDialog::tickAll(bool ticked) {
    for (int row = 0; row < list_->count(); ++row)
        list_->item(row)->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
}

void SelectDialog::done(int result) {
    settings_.printSelection.clear();
    QDialog::done(result);
}

} // namespace tarvo::gui
