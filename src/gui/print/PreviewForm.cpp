#include "gui/print/PreviewForm.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QFile>
#include <QFontInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QSvgGenerator>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "core/print/ClipboardLayout.h"
#include "core/print/DeviceGeometry.h"
#include "core/print/PageComposer.h"
#include "core/print/Paginator.h"
#include "core/print/PreviewZoom.h"
#include "core/print/ScreenScale.h"
#include "core/project/ColumnsData.h"
#include "gui/print/PrintSetup.h"
#include "gui/print/PrinterAccess.h"
#include "gui/print/QtPainterCanvas.h"
#include "gui/print/ReportPrinter.h"
#include "gui/ui/NumberEdit.h"

namespace tarvo::gui {
namespace {

constexpr int kBorderWidth = 1;
constexpr int kShadowOffset = 5;
constexpr int kWheelStep = 8;
const QColor kBackground(128, 128, 128);
const QColor kFrame(0, 0, 128);

// A magnifying glass with a plus sign; the hot spot is the lens's centre.
QCursor magnifierCursor() {
    QPixmap picture(32, 32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(18, 18), QPointF(28, 28));
    painter.drawEllipse(QPointF(11, 11), 8, 8);
    painter.setPen(QPen(Qt::black, 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(18, 18), QPointF(28, 28));
    painter.setPen(QPen(Qt::black, 1.5));
    painter.setBrush(QColor(255, 255, 255, 200));
    painter.drawEllipse(QPointF(11, 11), 8, 8);
    painter.drawLine(QPointF(7, 11), QPointF(15, 11));
    painter.drawLine(QPointF(11, 7), QPointF(11, 15));
    painter.end();
    return QCursor(picture, 11, 11);
}

QImage blankImage(int width, int height, int pixelsPerInch) {
    QImage image(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
    const int dotsPerMeter = static_cast<int>(std::lround(pixelsPerInch / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    return image;
}

QToolButton* toolButton(QToolBar* bar, const char* name, const QString& text, const QString& hint,
                        const char* iconName) {
    auto* button = new QToolButton(bar);
    button->setObjectName(QLatin1String(name));
    button->setText(text);
    button->setToolTip(hint);
    button->setFocusPolicy(Qt::NoFocus);
    const QString iconPath = QStringLiteral(":/icons/%1.svg").arg(QLatin1String(iconName != nullptr ? iconName : ""));
    if (iconName != nullptr && QFile::exists(iconPath)) {
        button->setIcon(QIcon(iconPath));
        button->setToolButtonStyle(text.size() > 2 ? Qt::ToolButtonTextBesideIcon : Qt::ToolButtonIconOnly);
    } else {
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    }
    bar->addWidget(button);
    return button;
}

QLabel* panel(QToolBar* bar, const char* name, int minimumWidth) {
    auto* label = new QLabel(bar);
    label->setObjectName(QLatin1String(name));
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(minimumWidth);
    bar->addWidget(label);
    return label;
}

} // namespace

PreviewForm::PreviewForm(PrintSetup& setup, ReportPrinter& printer, ColumnsData& columns, ReportSource& source,
                         QWidget* parent)
    : QDialog(parent), setup_(setup), printer_(printer), columns_(columns), source_(source) {
    setObjectName(QStringLiteral("PreviewForm"));
    setWindowTitle(QStringLiteral("印刷プレビュー"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);
    if (parent != nullptr) setFont(parent->font());

    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setIconSize(QSize(16, 16));
    buildToolBar(bar);

    scrollBox_ = new QScrollArea(this);
    scrollBox_->setObjectName(QStringLiteral("ScrollBox"));
    scrollBox_->setFocusPolicy(Qt::StrongFocus);
    scrollBox_->setWidgetResizable(false);
    scrollBox_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A constant client width: the fit-width level then fits without a
    // horizontal scroll bar.
    scrollBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    scrollBox_->setBackgroundRole(QPalette::Dark);
    preview_ = new QLabel;
    preview_->setObjectName(QStringLiteral("Preview"));
    preview_->setCursor(magnifierCursor());
    scrollBox_->setWidget(preview_);

    statusBar_ = new QStatusBar(this);
    statusBar_->setObjectName(QStringLiteral("StatusBar"));
    statusBar_->setSizeGripEnabled(false);
    statusBar_->addWidget(new QLabel(QStringLiteral("　マウスの左クリックで拡大、右クリックで縮小"), statusBar_));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(scrollBox_, 1);
    layout->addWidget(statusBar_);

    // The window sees the keys before its controls.
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
    scrollBox_->viewport()->installEventFilter(this);
    // Maximised; the whole screen also where no window manager maximises.
    if (const QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    setWindowState(Qt::WindowMaximized);
}

PreviewForm::~PreviewForm() {
    for (NumberEdit* edit : findChildren<NumberEdit*>())
        edit->disconnect(this);
}

void PreviewForm::buildToolBar(QWidget* barWidget) {
    auto* bar = static_cast<QToolBar*>(barWidget);
    QToolButton* print = toolButton(bar, "PrintButton", QStringLiteral("印刷"), QStringLiteral("印刷"), "print");
    QToolButton* copy =
        toolButton(bar, "MetaFileButton", QStringLiteral("コピー"), QStringLiteral("クリップボードへコピー"), nullptr);
    QToolButton* setting =
        toolButton(bar, "SettingButton", QStringLiteral("印刷設定"), QStringLiteral("印刷設定"), nullptr);
    bar->addSeparator();
    viewScale_ = panel(bar, "ViewScale", 110);
    bar->addSeparator();
    topButton_ = toolButton(bar, "TopPageButton", QStringLiteral("|<"), QStringLiteral("先頭ページ"), "go-first");
    beforButton_ = toolButton(bar, "BeforPageButton", QStringLiteral("<"), QStringLiteral("前のページ"), "go-previous");
    pageNoEdit_ = new NumberEdit(bar);
    pageNoEdit_->setObjectName(QStringLiteral("PageNoEdit"));
    pageNoEdit_->setToolTip(QStringLiteral("表示ページ番号"));
    NumberFieldModel& model = pageNoEdit_->model();
    model.setType(NumType::Int);
    model.setDigits(0);
    model.setSignState(NumSign::Unsigned);
    model.setValueMin(1);
    model.setUseMin(true);
    model.setValueMax(1);
    model.setUseMax(true);
    pageNoEdit_->link(&currentPage_);
    bar->addWidget(pageNoEdit_);
    nextButton_ = toolButton(bar, "NextPageButton", QStringLiteral(">"), QStringLiteral("次のページ"), "go-next");
    lastButton_ = toolButton(bar, "LastPageButton", QStringLiteral(">|"), QStringLiteral("最終ページ"), "go-last");
    totalPage_ = panel(bar, "TotalPage", 110);
    bar->addSeparator();
    QToolButton* close = toolButton(bar, "CloseButton", QStringLiteral("閉じる"), QStringLiteral("閉じる"), nullptr);

    connect(print, &QToolButton::clicked, this, &PreviewForm::printReport);
    connect(copy, &QToolButton::clicked, this, &PreviewForm::copyPageToClipboard);
    connect(setting, &QToolButton::clicked, this, &PreviewForm::openSettings);
    connect(close, &QToolButton::clicked, this, &QDialog::accept);
    connect(topButton_, &QToolButton::clicked, this, [this] { goTo(1); });
    connect(beforButton_, &QToolButton::clicked, this, [this] {
        if (currentPage_ >= 2) goTo(currentPage_ - 1);
    });
    connect(nextButton_, &QToolButton::clicked, this, [this] {
        if (currentPage_ < pageCount()) goTo(currentPage_ + 1);
    });
    connect(lastButton_, &QToolButton::clicked, this, [this] { goTo(pageCount()); });
    // The field holds the typed number within 1 … page count.
    connect(pageNoEdit_, &NumberEdit::exited, this, [this] { goTo(currentPage_); });
}

int PreviewForm::pageCount() const {
    return std::max(setup_.settings().pageCount, 1);
}

double PreviewForm::zoom() const {
    return zoomLevels_[static_cast<std::size_t>(std::clamp(zoomIndex_, 0, static_cast<int>(zoomLevels_.size()) - 1))];
}

int PreviewForm::screenPixelsPerInch() const {
    return std::max(logicalDpiY(), 1);
}

void PreviewForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    statusBar_->setFixedHeight(QFontInfo(statusBar_->font()).pixelSize() + 10);
    currentPage_ = 1;
    zoomIndex_ = std::max(startZoomIndex_, 0);
    computeZoomLevels();
    updatePageTotal();
    drawBackground();
    showZoomText();
    drawCurrentPage();
    updateButtons();
    laidOut_ = true;
}

void PreviewForm::computeZoomLevels() {
    PrinterInfomation& printer = setup_.printer();
    refreshPrinterGeometry(printer, setup_.access());
    const int ppi = screenPixelsPerInch();
    const QSize client = scrollBox_->viewport()->size();
    PreviewViewport view;
    view.clientWidth = client.width();
    view.clientHeight = client.height();
    view.screenPixelsPerInch = ppi;
    view.borderWidth = kBorderWidth;
    view.shadowOffset = kShadowOffset;
    PreviewPaper paper;
    paper.paperW = printer.paperW;
    paper.paperH = printer.paperH;
    paper.dpiX = printer.dpiX;
    paper.dpiY = printer.dpiY;
    paper.bodyScreenHeight = std::abs(deviceFontHeight(printer.bodyFont.sizePt, ppi));
    zoomLevels_ = previewZoomLevels(view, paper);
    if (zoomIndex_ >= static_cast<int>(zoomLevels_.size())) zoomIndex_ = 0;
}

void PreviewForm::drawBackground() {
    scrollBox_->horizontalScrollBar()->setValue(0);
    scrollBox_->verticalScrollBar()->setValue(0);
    const int ppi = screenPixelsPerInch();
    scaleForScreen(screenLayout_, setup_.printer(), zoom(), ppi);

    const QSize client = scrollBox_->viewport()->size();
    int width = 2 * kBorderWidth + screenLayout_.paperW + kShadowOffset;
    int height = 2 * kBorderWidth + screenLayout_.paperH + kShadowOffset;
    if (width < client.width()) {
        pageOffset_.setX((client.width() - width) / 2);
        width = client.width();
    } else {
        pageOffset_.setX(kBorderWidth);
    }
    if (height < client.height()) {
        pageOffset_.setY((client.height() - height) / 2);
        height = client.height();
    } else {
        pageOffset_.setY(kBorderWidth);
    }
    image_ = blankImage(width, height, ppi);
    image_.fill(kBackground);

    // Positions of the layout are now measured from the image's corner.
    const int x = pageOffset_.x();
    const int y = pageOffset_.y();
    screenLayout_.top += y;
    screenLayout_.left += x;
    screenLayout_.pageNoY += y;
    screenLayout_.pageNoLeftX += x;
    screenLayout_.pageNoRightX += x;
    PixelRect& printable = screenLayout_.printableRect;
    printable = {printable.left + x, printable.top + y, printable.right + x, printable.bottom + y};

    QPainter painter(&image_);
    const QRect paper(pageOffset_, QSize(screenLayout_.paperW, screenLayout_.paperH));
    const QRect frame = paper.adjusted(-kBorderWidth, -kBorderWidth, kBorderWidth, kBorderWidth);
    painter.fillRect(frame.translated(kShadowOffset, kShadowOffset), Qt::black);
    painter.fillRect(frame, kFrame);
    painter.fillRect(paper, Qt::white);
}

void PreviewForm::drawCurrentPage() {
    if (image_.isNull()) return;
    {
        QPainter painter(&image_);
        QtPainterCanvas canvas(painter);
        canvas.setClipRect(screenLayout_.printableRect);
        canvas.setColor({255, 255, 255});
        canvas.fillRect(screenLayout_.printableRect);
        canvas.setColor({0, 0, 0});
        const PrintSettings& settings = setup_.settings();
        const PageComposer composer(setup_.printer(), settings, columns_.reportLines, columns_.pageStarts);
        composer.drawPage(canvas, screenLayout_, currentPage_, printedPageNumber(settings.firstPageNo, currentPage_),
                          false);
        canvas.clearClip();
    }
    preview_->setPixmap(QPixmap::fromImage(image_));
    preview_->resize(image_.size());
}

void PreviewForm::showZoomText() {
    viewScale_->setText(QString::fromStdString(zoomCaption(zoom())));
}

void PreviewForm::updatePageTotal() {
    const int pages = paginate(columns_, setup_.settings(), setup_.printer(), source_);
    totalPage_->setText(QStringLiteral("Total　%1 page").arg(pages));
    pageNoEdit_->model().setValueMax(std::max(pages, 1));
}

void PreviewForm::updateButtons() {
    for (QToolButton* button : {topButton_, beforButton_, nextButton_, lastButton_})
        button->setEnabled(false);
    if (currentPage_ > 1) {
        topButton_->setEnabled(true);
        beforButton_->setEnabled(true);
    }
    if (currentPage_ < pageCount()) {
        nextButton_->setEnabled(true);
        lastButton_->setEnabled(true);
    }
    pageNoEdit_->showUpdate();
}

void PreviewForm::goTo(int page) {
    currentPage_ = std::clamp(page, 1, pageCount());
    updateButtons();
    drawCurrentPage();
}

void PreviewForm::zoomBy(int step, QPoint about) {
    const int next = zoomIndex_ + step;
    if (next < 0 || next >= static_cast<int>(zoomLevels_.size())) return;
    const double oldZoom = zoom();
    const QPoint oldOffset = pageOffset_;
    QScrollBar* horizontal = scrollBox_->horizontalScrollBar();
    QScrollBar* vertical = scrollBox_->verticalScrollBar();
    const QPoint oldScroll(horizontal->value(), vertical->value());
    zoomIndex_ = next;
    drawBackground();
    showZoomText();
    drawCurrentPage();
    // The paper point that was clicked stays under the mouse.
    const QSize view = scrollBox_->viewport()->size();
    const PreviewAxis x{oldOffset.x(), oldScroll.x(), pageOffset_.x(), image_.width(), view.width()};
    const PreviewAxis y{oldOffset.y(), oldScroll.y(), pageOffset_.y(), image_.height(), view.height()};
    horizontal->setValue(scrollAfterZoom(x, about.x(), oldZoom, zoom()));
    vertical->setValue(scrollAfterZoom(y, about.y(), oldZoom, zoom()));
}

void PreviewForm::relayout() {
    // Showing the new image may add or remove scroll bars and resize the
    // client area again; that nested resize is handled by this same pass.
    if (!laidOut_ || relayoutDepth_ > 0) return;
    ++relayoutDepth_;
    computeZoomLevels();
    drawBackground();
    showZoomText();
    drawCurrentPage();
    --relayoutDepth_;
}

void PreviewForm::openSettings() {
    setup_.exec();
    computeZoomLevels();
    updatePageTotal();
    currentPage_ = 1;
    drawBackground();
    showZoomText();
    drawCurrentPage();
    updateButtons();
}

void PreviewForm::printReport() {
    printer_.print(this, columns_, source_);
    // The printer or its paper may have changed in the print dialog.
    computeZoomLevels();
    updatePageTotal();
    currentPage_ = std::min(currentPage_, pageCount());
    drawBackground();
    showZoomText();
    drawCurrentPage();
    updateButtons();
}

void PreviewForm::copyPageToClipboard() {
    const int ppi = screenPixelsPerInch();
    const PrintSettings& settings = setup_.settings();
    const PageComposer composer(setup_.printer(), settings, columns_.reportLines, columns_.pageStarts);
    OutputInfo layout;
    scaleForScreen(layout, setup_.printer(), 1.0, ppi);

    // Measure on a throw-away canvas: the widest line, then where the text ends.
    int textEnd = 0;
    ClipboardPicture picture;
    {
        QImage scratch = blankImage(1, 1, ppi);
        QPainter painter(&scratch);
        QtPainterCanvas canvas(painter);
        composer.measureReportWidth(canvas, layout);
        picture = layoutClipboardPicture(layout, settings, currentPage_);
        textEnd = composer.drawPage(canvas, layout, currentPage_, 0, true);
    }
    const int width = std::max(picture.width, 1);
    const int height = std::max(clipboardPictureHeight(textEnd), 1);

    QByteArray svg;
    {
        QBuffer buffer(&svg);
        buffer.open(QIODevice::WriteOnly);
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(QSize(width, height));
        generator.setViewBox(QRect(0, 0, width, height));
        generator.setResolution(ppi);
        generator.setTitle(QStringLiteral("Tarvo Posts"));
        QPainter painter(&generator);
        QtPainterCanvas canvas(painter);
        composer.drawPage(canvas, layout, currentPage_, 0, true);
    }
    QImage image = blankImage(width, height, ppi);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        QtPainterCanvas canvas(painter);
        composer.drawPage(canvas, layout, currentPage_, 0, true);
    }
    auto* mime = new QMimeData;
    mime->setData(QStringLiteral("image/svg+xml"), svg);
    mime->setImageData(image);
    QApplication::clipboard()->setMimeData(mime);
}

void PreviewForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown) {
        eventFilter(this, event);
        return;
    }
    QDialog::keyPressEvent(event);
}

bool PreviewForm::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        // Page Up moves forward and Page Down back.
        if (key->key() == Qt::Key_PageUp) {
            if (currentPage_ < pageCount()) goTo(currentPage_ + 1);
            return true;
        }
        if (key->key() == Qt::Key_PageDown) {
            if (currentPage_ >= 2) goTo(currentPage_ - 1);
            return true;
        }
        break;
    }
    case QEvent::MouseButtonPress:
        if (watched == preview_) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            scrollBox_->setFocus(Qt::MouseFocusReason);
            zoomBy(mouse->button() == Qt::LeftButton ? 1 : -1, mouse->position().toPoint());
            return true;
        }
        if (watched == scrollBox_->viewport()) scrollBox_->setFocus(Qt::MouseFocusReason);
        break;
    case QEvent::Wheel:
        if (watched == scrollBox_->viewport() || watched == preview_) {
            const auto* wheel = static_cast<QWheelEvent*>(event);
            const int delta = wheel->angleDelta().y();
            if (delta != 0) {
                QScrollBar* bar = scrollBox_->verticalScrollBar();
                bar->setValue(bar->value() + (delta < 0 ? kWheelStep : -kWheelStep));
            }
            return true;
        }
        break;
    case QEvent::Resize:
        if (watched == scrollBox_->viewport()) relayout();
        break;
    default: break;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace tarvo::gui
