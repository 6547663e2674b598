#include "gui/print/PreviewForm.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMimeData>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include <cmath>
#include <memory>

#include "core/check/ColumnCheck.h"
#include "core/material/MatDataBase.h"
#include "core/print/DeviceGeometry.h"
#include "core/print/PreviewZoom.h"
#include "core/print/ReportTextSource.h"
#include "core/print/ScreenScale.h"
#include "core/text/MessageSink.h"
#include "gui/ModalDialog.h"
#include "gui/print/PrintSetup.h"
#include "gui/print/PrinterAccess.h"
#include "gui/print/ReportPrinter.h"
#include "gui/ui/NumberEdit.h"
#include "samples/SampleProjects.h"
#include "support/TestFiles.h"

namespace tarvo::gui {
namespace {

class PreviewFormTest : public ::testing::Test {
protected:
    void open(int items) {
        samples::buildMixedProject(items, common_, columns_);
        form_ = std::make_unique<PreviewForm>(setup_, printer_, columns_, source_);
        form_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
        QApplication::processEvents();
    }
    template <typename T> T* find(const char* name) {
        T* widget = form_->findChild<T*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void click(const char* button) { find<QToolButton>(button)->click(); }
    bool enabled(const char* button) { return find<QToolButton>(button)->isEnabled(); }
    QWidget* viewport() { return find<QScrollArea>("ScrollBox")->viewport(); }
    // Resizes the window so that the scroll box's client area becomes `client`.
    void resizeClient(QSize client) {
        form_->setWindowState(Qt::WindowNoState);
        const QSize now = viewport()->size();
        form_->resize(form_->size() + (client - now));
        QApplication::processEvents();
        ASSERT_EQ(viewport()->size(), client);
    }
    // The paper at actual size on the screen.
    [[nodiscard]] QSizeF paperOnScreen() const {
        const PrinterInfomation& p = setup_.printer();
        const double ppi = form_->logicalDpiY();
        return {ppi * p.paperW / p.dpiX, ppi * p.paperH / p.dpiY};
    }
    [[nodiscard]] int bodyScreenHeight() const {
        return std::abs(deviceFontHeight(setup_.printer().bodyFont.sizePt, form_->logicalDpiY()));
    }
    QSize clipboardPicture() {
        click("MetaFileButton");
        const QMimeData* mime = QApplication::clipboard()->mimeData();
        EXPECT_TRUE(mime->hasFormat(QStringLiteral("image/svg+xml")));
        const QImage image = qvariant_cast<QImage>(mime->imageData());
        const QString svg = QString::fromUtf8(mime->data(QStringLiteral("image/svg+xml")));
        EXPECT_TRUE(svg.contains(QStringLiteral("viewBox=\"0 0 %1 %2\"").arg(image.width()).arg(image.height())))
            << svg.left(400).toStdString();
        return image.size();
    }

    test::TempDir dir_;
    CommonData common_;
    ColumnsData columns_;
    const MatDataBase catalogue_{};
    ColumnCheck check_{catalogue_, common_};
    ReportTextSource source_{common_, columns_, check_};
    PrinterAccess access_;
    RecordingMessageSink messages_;
    PrintSetup setup_{access_, dir_ / "Tarvo.ini", messages_};
    ReportPrinter printer_{access_, setup_.printer(), setup_.settings(), messages_};
    std::unique_ptr<PreviewForm> form_;
};

TEST_F(PreviewFormTest, OpensOnPageOneAtTheSmallestZoomOnGreyWithShadowFrameAndPaper) {
    open(30);
    EXPECT_EQ(form_->windowTitle(), QStringLiteral("印刷プレビュー"));
    EXPECT_EQ(form_->currentPage(), 1);
    EXPECT_EQ(form_->zoomIndex(), 0);
    ASSERT_GT(form_->pageCount(), 2);
    EXPECT_EQ(find<QLabel>("TotalPage")->text(), QStringLiteral("Total　%1 page").arg(form_->pageCount()));
    EXPECT_EQ(find<QLabel>("ViewScale")->text(), QString::fromStdString(zoomCaption(form_->zoomLevels()[0])));
    EXPECT_EQ(find<NumberEdit>("PageNoEdit")->text(), QStringLiteral("1"));

    const QImage& image = form_->image();
    const QPoint corner = form_->pageOffset();
    OutputInfo layout;
    scaleForScreen(layout, setup_.printer(), form_->zoom(), form_->logicalDpiY());
    const QPoint far = corner + QPoint(layout.paperW, layout.paperH);
    EXPECT_EQ(image.pixelColor(corner + QPoint(2, 2)), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(corner - QPoint(1, 1)), QColor(0, 0, 128));
    EXPECT_EQ(image.pixelColor(far + QPoint(3, 3)), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(QPoint(far.x() + 3, corner.y())), QColor(128, 128, 128));
    EXPECT_EQ(find<QLabel>("Preview")->size(), image.size());
}

TEST_F(PreviewFormTest, NavigationButtonsKeysAndTheTypedPageNumber) {
    open(30);
    const int last = form_->pageCount();
    EXPECT_FALSE(enabled("TopPageButton"));
    EXPECT_FALSE(enabled("BeforPageButton"));
    EXPECT_TRUE(enabled("NextPageButton"));
    EXPECT_TRUE(enabled("LastPageButton"));
    click("NextPageButton");
    EXPECT_EQ(form_->currentPage(), 2);
    for (const char* button : {"TopPageButton", "BeforPageButton", "NextPageButton", "LastPageButton"})
        EXPECT_TRUE(enabled(button)) << button;
    click("LastPageButton");
    EXPECT_EQ(form_->currentPage(), last);
    EXPECT_FALSE(enabled("NextPageButton"));
    EXPECT_FALSE(enabled("LastPageButton"));

    // Page Up goes forward, Page Down back.
    auto* scrollBox = find<QScrollArea>("ScrollBox");
    scrollBox->setFocus();
    QTest::keyClick(scrollBox, Qt::Key_PageUp);
    EXPECT_EQ(form_->currentPage(), last);
    QTest::keyClick(scrollBox, Qt::Key_PageDown);
    EXPECT_EQ(form_->currentPage(), last - 1);
    QTest::keyClick(scrollBox, Qt::Key_PageUp);
    EXPECT_EQ(form_->currentPage(), last);
    click("TopPageButton");
    EXPECT_EQ(form_->currentPage(), 1);

    // A typed number outside 1 … page count is held to the limits.
    auto* pageNo = find<NumberEdit>("PageNoEdit");
    pageNo->setFocus();
    pageNo->selectAll();
    QTest::keyClicks(pageNo, QStringLiteral("999"));
    QTest::keyClick(pageNo, Qt::Key_Return);
    EXPECT_EQ(form_->currentPage(), last);
    EXPECT_EQ(pageNo->text(), QString::number(last));
    pageNo->setFocus();
    pageNo->selectAll();
    QTest::keyClicks(pageNo, QStringLiteral("0"));
    QTest::keyClick(pageNo, Qt::Key_Return);
    EXPECT_EQ(form_->currentPage(), 1);
    EXPECT_EQ(pageNo->text(), QStringLiteral("1"));
}

TEST_F(PreviewFormTest, SinglePageDisablesEveryPageButton) {
    open(1);
    EXPECT_EQ(form_->pageCount(), 1);
    for (const char* button : {"TopPageButton", "BeforPageButton", "NextPageButton", "LastPageButton"})
        EXPECT_FALSE(enabled(button)) << button;
}

TEST_F(PreviewFormTest, WindowShowingAboutActualSizeOffersActualSizeAndAboutOneAndAHalf) {
    open(3);
    const QSizeF paper = paperOnScreen();
    resizeClient(QSize(static_cast<int>(paper.width() * 1.03) + 7, static_cast<int>(paper.height() * 1.03) + 7));
    const int h = bodyScreenHeight();
    EXPECT_EQ(form_->zoomLevels(), (std::vector<double>{1.0, std::trunc(h * 1.5) / h}));
    EXPECT_EQ(form_->zoomIndex(), 0);
    EXPECT_EQ(find<QLabel>("ViewScale")->text(), QStringLiteral("表示倍率　100%"));
}

TEST_F(PreviewFormTest, EqualFitLevelsAreOfferedOnce) {
    open(3);
    const QSizeF paper = paperOnScreen();
    resizeClient(QSize(static_cast<int>(paper.width() * 0.6) + 7, static_cast<int>(paper.height() * 0.6) + 7));
    ASSERT_EQ(form_->zoomLevels().size(), 2u);
    EXPECT_LT(form_->zoomLevels()[0], 0.65);
    EXPECT_DOUBLE_EQ(form_->zoomLevels()[1], 1.0);
}

TEST_F(PreviewFormTest, ClicksZoomInAndOutAndTheWheelScrollsEightPixels) {
    open(3);
    const QSizeF paper = paperOnScreen();
    resizeClient(QSize(static_cast<int>(paper.width() * 0.5), static_cast<int>(paper.height() * 0.4)));
    const int levels = static_cast<int>(form_->zoomLevels().size());
    ASSERT_EQ(levels, 3);
    auto* preview = find<QLabel>("Preview");
    const QSize smallest = form_->image().size();
    QTest::mouseClick(preview, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(form_->zoomIndex(), 0);
    for (int i = 1; i <= levels; ++i) {
        QTest::mouseClick(preview, Qt::LeftButton, {}, QPoint(5, 5));
        EXPECT_EQ(form_->zoomIndex(), std::min(i, levels - 1));
    }
    EXPECT_EQ(find<QLabel>("ViewScale")->text(), QString::fromStdString(zoomCaption(form_->zoomLevels().back())));
    EXPECT_GT(form_->image().height(), smallest.height());
    EXPECT_TRUE(find<QScrollArea>("ScrollBox")->hasFocus());

    QScrollBar* bar = find<QScrollArea>("ScrollBox")->verticalScrollBar();
    // The zoom about the image's corner scrolled to near the top.
    bar->setValue(0);
    ASSERT_GT(bar->maximum(), 16);
    QWheelEvent down(QPointF(10, 10), viewport()->mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, -120), Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport(), &down);
    QApplication::sendEvent(viewport(), &down);
    EXPECT_EQ(bar->value(), 16);
    QWheelEvent up(QPointF(10, 10), viewport()->mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, 120), Qt::NoButton,
                   Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport(), &up);
    EXPECT_EQ(bar->value(), 8);

    // Zooming out about the view's top-left corner: the view stays at the
    // top of what it showed.
    QTest::mouseClick(preview, Qt::RightButton, {}, QPoint(5, bar->value() + 5));
    EXPECT_EQ(form_->zoomIndex(), levels - 2);
    EXPECT_LE(bar->value(), 8);
}

TEST_F(PreviewFormTest, AClickZoomsAboutThePointClicked) {
    open(3);
    const QSizeF paper = paperOnScreen();
    resizeClient(QSize(static_cast<int>(paper.width() * 0.5), static_cast<int>(paper.height() * 0.4)));
    auto* preview = find<QLabel>("Preview");
    QScrollBar* vertical = find<QScrollArea>("ScrollBox")->verticalScrollBar();
    // The paper point under the middle of the window stays under the mouse.
    const QPoint middle(viewport()->width() / 2, viewport()->height() / 2);
    const QPoint offset = form_->pageOffset();
    const double before = form_->zoom();
    const QPoint clicked = middle + QPoint(0, vertical->value());
    QTest::mouseClick(preview, Qt::LeftButton, {}, clicked);
    const double after = form_->zoom();
    ASSERT_GT(after, before);
    const double paperY = (clicked.y() - offset.y()) / before;
    const double underMouse = (middle.y() + vertical->value() - form_->pageOffset().y()) / after;
    EXPECT_NEAR(underMouse, paperY, 1.0 / after + 0.5);
    EXPECT_GT(vertical->value(), 0);
}

TEST_F(PreviewFormTest, ClipboardPictureOfPageOneWithTitleIncludesTheIndent) {
    open(30);
    const QSize first = clipboardPicture();
    click("NextPageButton");
    const QSize second = clipboardPicture();
    OutputInfo actualSize;
    scaleForScreen(actualSize, setup_.printer(), 1.0, form_->logicalDpiY());
    ASSERT_GT(actualSize.indent, 0);
    EXPECT_EQ(first.width() - second.width(), actualSize.indent);
    EXPECT_GT(first.height(), 100);
    EXPECT_GT(second.height(), 100);
    // Without a title page 1 is set flush left too.
    setup_.settings().printTitle = false;
    click("TopPageButton");
    EXPECT_EQ(clipboardPicture().width(), second.width());
}

TEST_F(PreviewFormTest, SettingsDialogClosedWithOkRepaginatesFromPageOne) {
    open(30);
    click("LastPageButton");
    const int before = form_->pageCount();
    test::answerModal<PrintSetup>([](PrintSetup* setup) {
        // A larger body font makes more pages.
        setup->printer().bodyFont.sizePt = 20;
        setup->findChild<QAbstractButton*>(QStringLiteral("OkButton"))->click();
    });
    click("SettingButton");
    EXPECT_EQ(form_->currentPage(), 1);
    EXPECT_GT(form_->pageCount(), before);
    EXPECT_EQ(find<QLabel>("TotalPage")->text(), QStringLiteral("Total　%1 page").arg(form_->pageCount()));
    EXPECT_EQ(find<NumberEdit>("PageNoEdit")->model().valueMax(), form_->pageCount());
}

} // namespace
} // namespace tarvo::gui
