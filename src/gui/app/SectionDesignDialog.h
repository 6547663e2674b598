#pragma once
// The section design dialog "断面算定": the list's items with check boxes
// (the shown item ticked), the design of the ticked items on a worker thread
// with a progress bar and a stop button, and per item the present and the
// proposed section with their largest ratios and the check the next smaller
// section fails. "適用" accepts the dialog with the proposals of the ticked
// items; "キャンセル" changes nothing.
#include <QDialog>

#include <memory>
#include <utility>
#include <vector>

#include "core/check/CheckConditions.h"
#include "core/design/SectionSize.h"

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableView;
class QTimer;

namespace tarvo {
class ColumnsData;
class MatDataBase;
} // namespace tarvo

namespace tarvo::gui {

class SectionDesignModel;
class SectionDesignRun;

class SectionDesignDialog : public QDialog {
    Q_OBJECT
public:
    SectionDesignDialog(const ColumnsData& columns, const CheckConditions& conditions, const MatDataBase& catalogue,
                        int shownItem, QWidget* parent = nullptr);
    ~SectionDesignDialog() override;

    // Designs the ticked items (a design under way goes on).
    void designTicked();
    [[nodiscard]] bool designing() const { return run_ != nullptr; }
    // Waits for the design under way and shows its results.
    void waitForDesign();
    // The item index and proposed section of each ticked item whose design
    // changes its section.
    [[nodiscard]] std::vector<std::pair<int, SectionSize>> proposals() const;
    [[nodiscard]] SectionDesignModel& model() { return *model_; }

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void poll();
    void finishDesign();
    void updateButtons();

    const ColumnsData& columns_;
    CheckConditions conditions_;
    const MatDataBase& catalogue_;
    SectionDesignModel* model_ = nullptr;
    QTableView* table_ = nullptr;
    QCheckBox* allPairs_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* designButton_ = nullptr;
    QPushButton* stopButton_ = nullptr;
    QPushButton* applyButton_ = nullptr;
    QPushButton* tickAllButton_ = nullptr;
    QPushButton* untickAllButton_ = nullptr;
    QTimer* pollTimer_ = nullptr;
    std::unique_ptr<SectionDesignRun> run_;
    std::vector<int> runItems_;
    bool designedOnShow_ = false;
};

} // namespace tarvo::gui
