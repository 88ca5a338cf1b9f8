#include "render/LcPrnPrev.h"

#include "common/Rounding.h"

#include <QPainter>

namespace lccd {
namespace {

constexpr int kSheetMargin = 10; // screen pixels around the paper

} // namespace

TLcPrnPrev::TLcPrnPrev(PrinterSystem& printers, FontSystem& fonts, QWidget* parent)
    : QWidget(parent), sheet_(printers, fonts) {
    setObjectName(QStringLiteral("LcPrnPrev1"));
    sheet_.onChanged = [this] {
        UpdateGeometry();
        update();
    };
    UpdateGeometry();
}

TLcPrnPrev::~TLcPrnPrev() = default;

double TLcPrnPrev::screenScale() const {
    const int dpiY = sheet_.printerDpiY();
    if (dpiY <= 0)
        return 0;
    return double(logicalDpiY()) / dpiY * zoomScale_ / 100.0;
}

void TLcPrnPrev::UpdateGeometry() {
    if (!sheet_.HasPrinter())
        return;
    sheet_.refreshDevice();
    const DeviceCaps& caps = sheet_.device();
    const double s = screenScale();
    screenPaper_ =
        QSize(RoundHalfEven(s * caps.physicalWidth), RoundHalfEven(s * caps.physicalHeight));
    screenOffset_ = QPoint(RoundHalfEven(s * caps.offsetX), RoundHalfEven(s * caps.offsetY));
    screenPrintable_ =
        QSize(RoundHalfEven(s * caps.printableWidth), RoundHalfEven(s * caps.printableHeight));
    setFixedSize(screenPaper_.width() + 2 * kSheetMargin, screenPaper_.height() + 2 * kSheetMargin);
}

void TLcPrnPrev::setZoomScale(int percent) {
    if (percent == zoomScale_ || percent < 25 || percent > 200)
        return;
    zoomScale_ = percent;
    UpdateGeometry();
    update();
}

void TLcPrnPrev::paintSheet(QPainter& painter) {
    painter.setPen(QPen(Qt::black, 0, Qt::SolidLine));
    painter.setBrush(Qt::white);
    painter.drawRect(kSheetMargin, kSheetMargin, screenPaper_.width() - 1,
                     screenPaper_.height() - 1);
    painter.setPen(QPen(Qt::black, 0, Qt::DotLine));
    painter.drawRect(QRect(screenOffset_ + QPoint(kSheetMargin, kSheetMargin), screenPrintable_)
                         .adjusted(0, 0, -1, -1));
}

void TLcPrnPrev::paintEvent(QPaintEvent*) {
    UpdateGeometry();
    QPainter painter(this);
    paintSheet(painter);
    const PagePicture* page = sheet_.currentPage();
    if (page && showPicture_) {
        // At print scale from the paper's corner, not stretched into the printable frame: the
        // frame is smaller than the page the picture was recorded on.
        const double s = screenScale();
        const DeviceCaps& caps = sheet_.device();
        page->replayScaled(
            painter, QPointF(kSheetMargin + s * caps.offsetX, kSheetMargin + s * caps.offsetY), s);
    }
}

void TLcPrnPrev::ClearPreview() {
    UpdateGeometry();
    showPicture_ = false;
    repaint();
    showPicture_ = true;
}

} // namespace lccd
