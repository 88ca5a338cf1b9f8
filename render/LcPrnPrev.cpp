#include "render/LcPrnPrev.h"

#include "common/Rounding.h"
#include "render/PreviewEditing.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace lccd {
namespace {

constexpr int kSheetMargin = 10;  // screen pixels around the paper
constexpr double kHandleSize = 6; // screen pixels

} // namespace

TLcPrnPrev::TLcPrnPrev(const SheetSurface& sheet, QWidget* parent)
    : QWidget(parent), sheet_(sheet) {
    setObjectName(QStringLiteral("LcPrnPrev1"));
    UpdateGeometry();
}

TLcPrnPrev::~TLcPrnPrev() = default;

void TLcPrnPrev::sheetChanged() {
    UpdateGeometry();
    update();
}

double TLcPrnPrev::screenScale() const {
    const int dpiY = sheet_.printerDpiY();
    if (dpiY <= 0)
        return 0;
    return double(logicalDpiY()) / dpiY * zoomScale_ / 100.0;
}

SheetView TLcPrnPrev::view() const {
    const double s = screenScale();
    const DeviceCaps& caps = sheet_.device();
    return {QPointF(kSheetMargin + s * caps.offsetX, kSheetMargin + s * caps.offsetY), s,
            sheet_.printerDpiX(), sheet_.printerDpiY()};
}

void TLcPrnPrev::setEditing(PreviewEditing* editing) {
    editing_ = editing;
    setFocusPolicy(editing ? Qt::StrongFocus : Qt::NoFocus);
    setMouseTracking(editing != nullptr);
}

void TLcPrnPrev::UpdateGeometry() {
    if (!sheet_.HasPrinter())
        return;
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
        paintSelection(painter);
    }
}

// Drawn on the control only, above the replayed page: the page itself never holds it.
void TLcPrnPrev::paintSelection(QPainter& painter) {
    if (!editing_)
        return;
    const std::optional<PreviewEditing::Overlay> overlay = editing_->overlay(view());
    if (!overlay)
        return;
    const QColor accent(0, 120, 215);
    painter.setPen(QPen(accent, 1, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(overlay->box);
    painter.setPen(QPen(accent, 1));
    painter.setBrush(Qt::white);
    for (const QPointF& handle : overlay->handles)
        painter.drawRect(QRectF(handle - QPointF(kHandleSize, kHandleSize) / 2,
                                QSizeF(kHandleSize, kHandleSize)));
}

bool TLcPrnPrev::event(QEvent* event) {
    // Tab goes through the rows under the pointer instead of to the next control.
    if (editing_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Tab && editing_->cycle(pointer_, view()))
        return true;
    return QWidget::event(event);
}

void TLcPrnPrev::mousePressEvent(QMouseEvent* event) {
    if (!editing_ || event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    setFocus(Qt::MouseFocusReason);
    pointer_ = event->position();
    editing_->press(pointer_, view());
}

void TLcPrnPrev::mouseMoveEvent(QMouseEvent* event) {
    if (!editing_)
        return QWidget::mouseMoveEvent(event);
    pointer_ = event->position();
    if (event->buttons() & Qt::LeftButton)
        editing_->drag(event->position(), event->modifiers(), view());
    setCursor(editing_->cursorAt(event->position(), view()));
}

void TLcPrnPrev::mouseReleaseEvent(QMouseEvent* event) {
    if (!editing_ || event->button() != Qt::LeftButton)
        return QWidget::mouseReleaseEvent(event);
    editing_->release(event->position(), event->modifiers(), view());
}

void TLcPrnPrev::keyPressEvent(QKeyEvent* event) {
    const bool taken = editing_ && (event->key() == Qt::Key_Escape
                                        ? editing_->cancel()
                                        : editing_->nudge(event->key(), event->modifiers()));
    if (!taken)
        QWidget::keyPressEvent(event);
}

void TLcPrnPrev::ClearPreview() {
    UpdateGeometry();
    showPicture_ = false;
    repaint();
    showPicture_ = true;
}

} // namespace lccd
