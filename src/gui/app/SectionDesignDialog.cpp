#include "gui/app/SectionDesignDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include "core/project/ColumnsData.h"
#include "gui/app/SectionDesignModel.h"
#include "gui/app/SectionDesignRun.h"

namespace tarvo::gui {
namespace {

// How often the progress bar follows the worker, ms.
constexpr int kPollInterval = 30;

} // namespace

SectionDesignDialog::SectionDesignDialog(const ColumnsData& columns, const CheckConditions& conditions,
                                         const MatDataBase& catalogue, int shownItem, QWidget* parent)
    : QDialog(parent), columns_(columns), conditions_(conditions), catalogue_(catalogue) {
    setObjectName(QStringLiteral("SectionDesignDialog"));
    setWindowTitle(QStringLiteral("断面算定"));
    if (parent != nullptr) setFont(parent->font());

    auto* caption = new QLabel(QStringLiteral("断面を求める柱をチェックして「算定」を押してください"), this);
    caption->setObjectName(QStringLiteral("Panel1"));
    caption->setFrameShape(QFrame::Panel);
    caption->setFrameShadow(QFrame::Raised);
    caption->setAlignment(Qt::AlignCenter);
    caption->setMinimumHeight(28);

    model_ = new SectionDesignModel(columns, shownItem, this);
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("DesignTable"));
    table_->setModel(model_);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    table_->horizontalHeader()->setStretchLastSection(true);
    const int em = table_->fontMetrics().horizontalAdvance(QLatin1Char('0'));
    const int widths[] = {22, 14, 7, 14, 7};
    for (int column = 0; column < 5; ++column)
        table_->setColumnWidth(column, widths[column] * em);
    if (shownItem >= 0 && shownItem < columns.Count()) table_->scrollTo(model_->index(shownItem, 0));

    allPairs_ = new QCheckBox(QStringLiteral("長方形も試す（b ≦ D ≦ 3b）(&R)"), this);
    allPairs_->setObjectName(QStringLiteral("AllPairsBox"));
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("DesignProgress"));
    progress_->setVisible(false);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("DesignStatus"));

    const auto button = [this](const char* name, const QString& text) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        return b;
    };
    tickAllButton_ = button("SpeedButton1", QStringLiteral("全て選択"));
    untickAllButton_ = button("SpeedButton2", QStringLiteral("全て解除"));
    designButton_ = button("DesignButton", QStringLiteral("算定(&S)"));
    stopButton_ = button("StopButton", QStringLiteral("中止(&T)"));
    applyButton_ = button("ApplyButton", QStringLiteral("適用(&A)"));
    QPushButton* cancel = button("CancelButton", QStringLiteral("キャンセル"));
    connect(tickAllButton_, &QPushButton::clicked, this, [this] { model_->tickAll(true); });
    connect(untickAllButton_, &QPushButton::clicked, this, [this] { model_->tickAll(false); });
    connect(designButton_, &QPushButton::clicked, this, &SectionDesignDialog::designTicked);
    connect(stopButton_, &QPushButton::clicked, this, [this] {
        if (run_) run_->cancel();
    });
    connect(applyButton_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &SectionDesignDialog::reject);
    connect(model_, &QAbstractItemModel::dataChanged, this, &SectionDesignDialog::updateButtons);

    pollTimer_ = new QTimer(this);
    pollTimer_->setInterval(kPollInterval);
    connect(pollTimer_, &QTimer::timeout, this, &SectionDesignDialog::poll);

    auto* options = new QHBoxLayout;
    options->addWidget(tickAllButton_);
    options->addWidget(untickAllButton_);
    options->addStretch();
    options->addWidget(allPairs_);
    options->addWidget(designButton_);
    auto* running = new QHBoxLayout;
    running->addWidget(progress_, 1);
    running->addWidget(status_, 1);
    running->addWidget(stopButton_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(applyButton_);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(table_, 1);
    layout->addLayout(options);
    layout->addLayout(running);
    layout->addLayout(buttons);
    resize(820, 460);
    updateButtons();
}

SectionDesignDialog::~SectionDesignDialog() = default;

void SectionDesignDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The shown item is designed at once.
    if (!designedOnShow_) {
        designedOnShow_ = true;
        designTicked();
    }
}

void SectionDesignDialog::designTicked() {
    if (run_) return;
    runItems_ = model_->tickedItems();
    if (runItems_.empty()) {
        QApplication::beep();
        QMessageBox::information(this, windowTitle(), QStringLiteral("断面を求めるデータを選択して下さい"));
        return;
    }
    std::vector<MemberInputData> items;
    items.reserve(runItems_.size());
    for (const int index : runItems_)
        items.push_back(columns_.Item(index).input());
    run_ = std::make_unique<SectionDesignRun>(std::move(items), conditions_, catalogue_,
                                              DesignOptions{allPairs_->isChecked()});
    progress_->setRange(0, static_cast<int>(runItems_.size()));
    progress_->setValue(0);
    progress_->setVisible(true);
    status_->clear();
    updateButtons();
    pollTimer_->start();
}

void SectionDesignDialog::poll() {
    if (!run_) return;
    progress_->setValue(run_->done());
    if (run_->finished()) finishDesign();
}

void SectionDesignDialog::waitForDesign() {
    if (!run_) return;
    run_->wait();
    finishDesign();
}

void SectionDesignDialog::finishDesign() {
    pollTimer_->stop();
    run_->wait();
    const std::vector<SectionDesign>& designs = run_->results();
    model_->setDesigns(runItems_, designs);
    int passed = 0;
    for (const SectionDesign& design : designs)
        passed += design.passed() ? 1 : 0;
    const auto designed = static_cast<int>(designs.size());
    QString text =
        QStringLiteral("%1 本を算定: OK の断面 %2 本、なし %3 本").arg(designed).arg(passed).arg(designed - passed);
    if (run_->cancelled() && designed < run_->count())
        text += QStringLiteral("（中止: 残り %1 本）").arg(run_->count() - designed);
    status_->setText(text);
    progress_->setVisible(false);
    run_.reset();
    updateButtons();
}

void SectionDesignDialog::updateButtons() {
    const bool running = designing();
    designButton_->setEnabled(!running);
    allPairs_->setEnabled(!running);
    tickAllButton_->setEnabled(!running);
    untickAllButton_->setEnabled(!running);
    stopButton_->setEnabled(running);
    applyButton_->setEnabled(!running && !model_->proposals().empty());
}

std::vector<std::pair<int, SectionSize>> SectionDesignDialog::proposals() const {
    return model_->proposals();
}

void SectionDesignDialog::reject() {
    if (run_) {
        run_->cancel();
        run_->wait();
        run_.reset();
        pollTimer_->stop();
    }
    QDialog::reject();
}

} // namespace tarvo::gui
