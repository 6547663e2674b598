#pragma once
// The print preview "印刷プレビュー": the composed report page by page as the
// printer will print it, drawn by the page composer on an image inside a
// scroll box at the preview's zoom levels, with page navigation, printing,
// the print layout dialog and a copy of the page to the clipboard.
#include <QDialog>
#include <QImage>
#include <QPoint>

#include <vector>

#include "core/print/OutputInfo.h"

class QLabel;
class QScrollArea;
class QStatusBar;
class QToolButton;

namespace tarvo {
class ColumnsData;
class ReportSource;
} // namespace tarvo

namespace tarvo::gui {

class NumberEdit;
class PrintSetup;
class ReportPrinter;

class PreviewForm : public QDialog {
    Q_OBJECT
public:
    PreviewForm(PrintSetup& setup, ReportPrinter& printer, ColumnsData& columns, ReportSource& source,
                QWidget* parent = nullptr);
    // A field that loses the focus on the way out must not reach back into
    // the half-destroyed window.
    ~PreviewForm() override;
    PreviewForm(const PreviewForm&) = delete;
    PreviewForm& operator=(const PreviewForm&) = delete;

    [[nodiscard]] int currentPage() const { return currentPage_; }
    [[nodiscard]] int pageCount() const;
    [[nodiscard]] const std::vector<double>& zoomLevels() const { return zoomLevels_; }
    [[nodiscard]] int zoomIndex() const { return zoomIndex_; }
    // The zoom level the next showing starts at (0, the smallest, unless
    // set; a level the window does not offer gives the smallest).
    void setStartZoomIndex(int index) { startZoomIndex_ = index; }
    [[nodiscard]] double zoom() const;
    // The image the scroll box shows: grey background, shadow, frame, paper.
    [[nodiscard]] const QImage& image() const { return image_; }
    // Where the paper's corner is in the image.
    [[nodiscard]] QPoint pageOffset() const { return pageOffset_; }

    // Draws the current page on the paper of the image.
    void drawCurrentPage();
    // Puts the current page on the clipboard, as SVG and as an image, at
    // actual screen size, cropped to its text, without the page number.
    void copyPageToClipboard();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildToolBar(QWidget* bar);
    void computeZoomLevels();
    void drawBackground();
    void showZoomText();
    void updatePageTotal();
    void updateButtons();
    void relayout();
    void goTo(int page);
    // One zoom level up or down about `about`, a point of the image.
    void zoomBy(int step, QPoint about);
    void openSettings();
    void printReport();
    [[nodiscard]] int screenPixelsPerInch() const;

    PrintSetup& setup_;
    ReportPrinter& printer_;
    ColumnsData& columns_;
    ReportSource& source_;

    OutputInfo screenLayout_;
    int currentPage_ = 1;
    std::vector<double> zoomLevels_{1.0};
    int zoomIndex_ = 0;
    int startZoomIndex_ = 0;
    QPoint pageOffset_;
    QImage image_;
    bool laidOut_ = false;
    int relayoutDepth_ = 0;

    QToolButton* topButton_ = nullptr;
    QToolButton* beforButton_ = nullptr;
    QToolButton* nextButton_ = nullptr;
    QToolButton* lastButton_ = nullptr;
    NumberEdit* pageNoEdit_ = nullptr;
    QLabel* viewScale_ = nullptr;
    QLabel* totalPage_ = nullptr;
    QScrollArea* scrollBox_ = nullptr;
    QLabel* preview_ = nullptr;
    QStatusBar* statusBar_ = nullptr;
};

} // namespace tarvo::gui
