#pragma once
// The print selection dialog "印刷データの選択": the items that check, each
// with a check box, to be printed or previewed in list order. The ticked
// items are the print selection only while the dialog is open; closing it
// clears the selection, so any later pagination covers every item.
#include <QDialog>

#include <functional>
#include <vector>

class QListWidget;

namespace tarvo {
class ColumnCheck;
class ColumnsData;
struct PrintSettings;
} // namespace tarvo

namespace tarvo::gui {

class SelectDialog : public QDialog {
    Q_OBJECT
public:
    // `print` and `preview` run the print command and show the preview with
    // the selection stored in `settings`.
    SelectDialog(ColumnsData& columns, const ColumnCheck& check, PrintSettings& settings, std::function<void()> print,
                 std::function<void()> preview, QWidget* parent = nullptr);

    // 1 below 16 entries, 2 from 16 on.
    [[nodiscard]] int columnCount() const { return columns_; }
    // The item index kept with each entry, in list order.
    [[nodiscard]] std::vector<int> entryIndices() const;

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fillList();
    void arrangeColumns();
    // Stores the ticked entries as the print selection; false when none is ticked.
    bool storeSelection();
    void printClick();
    void previewClick();
    void tickAll(bool ticked);

    ColumnsData& items_;
    const ColumnCheck& check_;
    PrintSettings& settings_;
    std::function<void()> print_;
    std::function<void()> preview_;
    QListWidget* list_ = nullptr;
    int columns_ = 1;
};

} // namespace tarvo::gui
