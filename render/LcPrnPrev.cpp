#include "render/LcPrnPrev.h"

#include "common/Rounding.h"
#include "platform/AppError.h"

#include <QPainter>

#include <limits>

namespace lccd {
namespace {

constexpr int kSheetMargin = 10; // screen pixels around the paper

// v × dpi ÷ units-per-inch, rounded half to even; kept within the integer range so that
// coordinates far outside the page stay far outside instead of wrapping around.
int layoutToDevice(int v, int dpi, double unitsPerInch) {
    const double device = double(qint64(v) * dpi) / unitsPerInch;
    constexpr double limit = std::numeric_limits<int>::max();
    return RoundHalfEven(qBound(-limit, device, limit));
}

} // namespace

TLcPrnPrev::TLcPrnPrev(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("LcPrnPrev1"));
    UpdateGeometry();
}

TLcPrnPrev::~TLcPrnPrev() = default;

bool TLcPrnPrev::HasPrinter() const {
    return printers().currentIndex() >= 0;
}

double TLcPrnPrev::screenScale() const {
    if (dpiY_ <= 0)
        return 0;
    return double(logicalDpiY()) / dpiY_ * zoomScale_ / 100.0;
}

void TLcPrnPrev::UpdateGeometry() {
    if (!HasPrinter())
        return;
    const DeviceCaps caps = printers().deviceCaps();
    dpiX_ = caps.dpiX;
    dpiY_ = caps.dpiY;
    offsetX_ = caps.offsetX;
    offsetY_ = caps.offsetY;
    physicalSize_ = QSize(caps.physicalWidth, caps.physicalHeight);
    const double s = screenScale();
    screenPaper_ =
        QSize(RoundHalfEven(s * caps.physicalWidth), RoundHalfEven(s * caps.physicalHeight));
    screenOffset_ = QPoint(RoundHalfEven(s * caps.offsetX), RoundHalfEven(s * caps.offsetY));
    screenPrintable_ =
        QSize(RoundHalfEven(s * caps.printableWidth), RoundHalfEven(s * caps.printableHeight));
    setFixedSize(screenPaper_.width() + 2 * kSheetMargin, screenPaper_.height() + 2 * kSheetMargin);
}

int TLcPrnPrev::ToDeviceX(int v) const {
    return layoutToDevice(v + MarginLeft, dpiX_, MapMode == TPrevMapModes::pmmHi ? 254.0 : 25.4);
}

int TLcPrnPrev::ToDeviceY(int v) const {
    return layoutToDevice(v + MarginTop, dpiY_, MapMode == TPrevMapModes::pmmHi ? 254.0 : 25.4);
}

QPoint TLcPrnPrev::toPagePoint(int x, int y) const {
    return QPoint(ToDeviceX(x) - offsetX_, ToDeviceY(y) - offsetY_);
}

void TLcPrnPrev::setZoomScale(int percent) {
    if (percent == zoomScale_ || percent < 25 || percent > 200)
        return;
    zoomScale_ = percent;
    update();
}

void TLcPrnPrev::setHoseiX(int pixels) {
    if (pixels == hoseiX_)
        return;
    hoseiX_ = pixels;
    repaint();
}

void TLcPrnPrev::setHoseiY(int pixels) {
    if (pixels == hoseiY_)
        return;
    hoseiY_ = pixels;
    repaint();
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
    const PagePicture* page = currentPage();
    if (page && showPicture_) {
        const QRectF frame(screenOffset_ + QPoint(kSheetMargin, kSheetMargin), screenPrintable_);
        page->replayInto(painter, frame);
    }
}

void TLcPrnPrev::ClearPreview() {
    UpdateGeometry();
    showPicture_ = false;
    repaint();
    showPicture_ = true;
}

void TLcPrnPrev::NewPage() {
    if (!HasPrinter())
        throw AppError(QStringLiteral("プリンターが選択されていません"));
    UpdateGeometry();
    canvas_.reset();
    pages_.clear();
    pages_.emplace_back(physicalSize_, dpiY_, QPoint(offsetX_, offsetY_));
    canvas_ = std::make_unique<PageCanvas>(pages_.front(), dpiY_);
}

void TLcPrnPrev::EndPage() {
    canvas_.reset();
    update();
}

bool TLcPrnPrev::PrintPages(int copies) {
    const PagePicture* page = currentPage();
    if (!HasPrinter() || !page)
        return false;
    return printers().print(Title, copies, 1,
                            [page](QPainter& painter, int) { page->replay(painter); });
}

void TLcPrnPrev::MoveTo(int x, int y) {
    canvas_->moveTo(toPagePoint(x, y));
}

void TLcPrnPrev::LineTo(int x, int y) {
    canvas_->lineTo(toPagePoint(x, y));
}

void TLcPrnPrev::Rectangle(int x1, int y1, int x2, int y2) {
    canvas_->rectangle(toPagePoint(x1, y1), toPagePoint(x2, y2));
}

void TLcPrnPrev::RoundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight) {
    canvas_->roundRect(toPagePoint(x1, y1), toPagePoint(x2, y2),
                       QSize(ToDeviceX(cornerWidth), ToDeviceY(cornerHeight)));
}

void TLcPrnPrev::Ellipse(int x1, int y1, int x2, int y2) {
    canvas_->ellipse(toPagePoint(x1, y1), toPagePoint(x2, y2));
}

TLcPrnPrev::FoundPaper TLcPrnPrev::FindPaper(const QString& name) const {
    for (const TPaperInfo& paper : paperInfos_)
        if (paper.PaperName == name)
            return {paper.PaperNumber, QSize(paper.PaperWidth, paper.PaperHeight)};
    return {};
}

void TLcPrnPrev::SelectPaper(const QString& name, int orientation) {
    if (!HasPrinter() || !printers().deviceSettings())
        return;
    printers().setDeviceSettings(FindPaper(name).number, orientation);
    update();
}

int TLcPrnPrev::ReadCurrentPaper(bool& portrait) const {
    const std::optional<DeviceSettings> settings = printers().deviceSettings();
    if (!settings)
        return kPaperCodeA4;
    portrait = settings->orientation == PaperOrientation::Portrait;
    return settings->paperCode;
}

int TLcPrnPrev::GetPrinterInfo(PrinterInfo& info) {
    if (!HasPrinter())
        return -1;
    const DeviceCaps caps = printers().deviceCaps();
    const QString name = printers().printerNames().value(printers().currentIndex());
    bool portrait = info.portrait;
    const int paperCode = ReadCurrentPaper(portrait);
    // Built before any output changes, so a driver error leaves everything as it was.
    paperInfos_ = BuildPaperTable(printers().driverPapers());

    info.printableWidth = caps.printableWidth;
    info.printableHeight = caps.printableHeight;
    info.offsetX = caps.offsetX;
    info.offsetY = caps.offsetY;
    info.dpiX = caps.dpiX;
    info.dpiY = caps.dpiY;
    info.printerName = name;
    info.shortName = ShortPrinterName(name);
    info.currentPaperNumber = paperCode;
    info.portrait = portrait;
    info.paperNames.clear();
    for (const TPaperInfo& paper : paperInfos_)
        info.paperNames.append(paper.PaperName);
    for (qsizetype i = 0; i < paperInfos_.size(); ++i)
        if (paperInfos_[i].PaperNumber == paperCode) {
            info.currentPaperName = paperInfos_[i].PaperName;
            info.paperWidth = paperInfos_[i].PaperWidth;
            info.paperHeight = paperInfos_[i].PaperHeight;
            return int(i);
        }
    return 0;
}

} // namespace lccd
