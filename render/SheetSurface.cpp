#include "render/SheetSurface.h"

#include "common/Rounding.h"
#include "platform/AppError.h"

#include <limits>

namespace lccd {
namespace {

// v × dpi ÷ units-per-inch, rounded half to even; kept within the integer range so that
// coordinates far outside the page stay far outside instead of wrapping around.
int layoutToDevice(int v, int dpi, double unitsPerInch) {
    const double device = double(qint64(v) * dpi) / unitsPerInch;
    constexpr double limit = std::numeric_limits<int>::max();
    return RoundHalfEven(qBound(-limit, device, limit));
}

} // namespace

SheetSurface::SheetSurface(PrinterSystem& printers, FontSystem& fonts)
    : printers_(printers), fonts_(fonts) {
    refreshDevice();
}

SheetSurface::~SheetSurface() = default;

void SheetSurface::changed() {
    if (onChanged)
        onChanged();
}

bool SheetSurface::HasPrinter() const {
    return printers_.currentIndex() >= 0;
}

void SheetSurface::refreshDevice() {
    if (HasPrinter())
        device_ = printers_.deviceCaps();
}

void SheetSurface::setHoseiX(int units) {
    if (units == hoseiX_)
        return;
    hoseiX_ = units;
    changed();
}

void SheetSurface::setHoseiY(int units) {
    if (units == hoseiY_)
        return;
    hoseiY_ = units;
    changed();
}

int SheetSurface::ToDeviceX(int v) const {
    return layoutToDevice(v + MarginLeft, device_.dpiX,
                          MapMode == TPrevMapModes::pmmHi ? 254.0 : 25.4);
}

int SheetSurface::ToDeviceY(int v) const {
    return layoutToDevice(v + MarginTop, device_.dpiY,
                          MapMode == TPrevMapModes::pmmHi ? 254.0 : 25.4);
}

QPoint SheetSurface::toPagePoint(int x, int y) const {
    return QPoint(ToDeviceX(x) - device_.offsetX, ToDeviceY(y) - device_.offsetY);
}

void SheetSurface::NewPage() {
    if (!HasPrinter())
        throw AppError(QStringLiteral("プリンターが選択されていません"));
    refreshDevice();
    canvas_.reset();
    pages_.clear();
    pages_.emplace_back(QSize(device_.physicalWidth, device_.physicalHeight), device_.dpiY,
                        QPoint(device_.offsetX, device_.offsetY));
    canvas_ = std::make_unique<PageCanvas>(pages_.front(), device_.dpiY);
}

void SheetSurface::EndPage() {
    canvas_.reset();
    changed();
}

bool SheetSurface::PrintPages(int copies) {
    const PagePicture* page = currentPage();
    if (!HasPrinter() || !page)
        return false;
    return printers_.print(Title, copies, 1,
                           [page](QPainter& painter, int) { page->replay(painter); });
}

bool SheetSurface::printerDeclaresCopies() const {
    const std::optional<DeviceSettings> settings = printers_.deviceSettings();
    return settings && settings->declaresCopies;
}

void SheetSurface::MoveTo(int x, int y) {
    canvas_->moveTo(toPagePoint(x, y));
}

void SheetSurface::LineTo(int x, int y) {
    canvas_->lineTo(toPagePoint(x, y));
}

void SheetSurface::Rectangle(int x1, int y1, int x2, int y2) {
    canvas_->rectangle(toPagePoint(x1, y1), toPagePoint(x2, y2));
}

void SheetSurface::RoundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight) {
    canvas_->roundRect(toPagePoint(x1, y1), toPagePoint(x2, y2),
                       QSize(ToDeviceX(cornerWidth), ToDeviceY(cornerHeight)));
}

void SheetSurface::Ellipse(int x1, int y1, int x2, int y2) {
    canvas_->ellipse(toPagePoint(x1, y1), toPagePoint(x2, y2));
}

SheetSurface::FoundPaper SheetSurface::FindPaper(const QString& name) const {
    for (const TPaperInfo& paper : paperInfos_)
        if (paper.PaperName == name)
            return {paper.PaperNumber, QSize(paper.PaperWidth, paper.PaperHeight)};
    return {};
}

void SheetSurface::SelectPaper(const QString& name, int orientation) {
    if (!HasPrinter() || !printers_.deviceSettings())
        return;
    printers_.setDeviceSettings(FindPaper(name).number, orientation);
    refreshDevice();
    changed();
}

int SheetSurface::ReadCurrentPaper(bool& portrait) const {
    const std::optional<DeviceSettings> settings = printers_.deviceSettings();
    if (!settings)
        return kPaperCodeA4;
    portrait = settings->orientation == PaperOrientation::Portrait;
    return settings->paperCode;
}

int SheetSurface::GetPrinterInfo(PrinterInfo& info) {
    if (!HasPrinter())
        return -1;
    const DeviceCaps caps = printers_.deviceCaps();
    const QString name = printers_.printerNames().value(printers_.currentIndex());
    bool portrait = info.portrait;
    const int paperCode = ReadCurrentPaper(portrait);
    // Built before any output changes, so a driver error leaves everything as it was.
    paperInfos_ = buildPaperTable(printers_.driverPapers());
    device_ = caps;

    info.printableWidth = caps.printableWidth;
    info.printableHeight = caps.printableHeight;
    info.offsetX = caps.offsetX;
    info.offsetY = caps.offsetY;
    info.dpiX = caps.dpiX;
    info.dpiY = caps.dpiY;
    info.printerName = name;
    info.shortName = shortPrinterName(name);
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
