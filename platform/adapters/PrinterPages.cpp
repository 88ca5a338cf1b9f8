#include "platform/adapters/PrinterPages.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include <cmath>

namespace lccd {

QSize portraitSize10(const QPageSize& size) {
    const QSizeF mm = size.size(QPageSize::Millimeter);
    const QSize size10(int(std::lround(mm.width() * 10)), int(std::lround(mm.height() * 10)));
    return size10.width() <= size10.height() ? size10 : size10.transposed();
}

bool samePage(const QPageSize& a, const QPageSize& b) {
    return a.isEquivalentTo(b) || portraitSize10(a) == portraitSize10(b);
}

const PrinterPaper* paperOfPage(const QList<PrinterPaper>& papers, const QPageSize& page) {
    for (const PrinterPaper& paper : papers)
        if (samePage(paper.size, page))
            return &paper;
    return nullptr;
}

const PrinterPaper* paperOfCode(const QList<PrinterPaper>& papers, int code) {
    for (const PrinterPaper& paper : papers)
        if (paper.code == code)
            return &paper;
    return nullptr;
}

DriverPapers driverPapersOf(const QList<PrinterPaper>& papers) {
    DriverPapers driver;
    for (const PrinterPaper& paper : papers) {
        driver.names.append(paper.name);
        driver.codes.append(paper.code);
        driver.sizes.append(portraitSize10(paper.size));
    }
    return driver;
}

DeviceCaps pageCaps(int dpi, QSize fullPixels, QMargins portraitMargins,
                    QPageLayout::Orientation orientation) {
    // In landscape the page is the portrait one turned a quarter anticlockwise, so its margins
    // turn with it.
    QMargins m = portraitMargins;
    if (orientation == QPageLayout::Landscape)
        m = QMargins(m.bottom(), m.left(), m.top(), m.right());
    DeviceCaps caps;
    caps.dpiX = caps.dpiY = dpi;
    caps.physicalWidth = fullPixels.width();
    caps.physicalHeight = fullPixels.height();
    caps.offsetX = m.left();
    caps.offsetY = m.top();
    caps.printableWidth = fullPixels.width() - m.left() - m.right();
    caps.printableHeight = fullPixels.height() - m.top() - m.bottom();
    return caps;
}

AppError cannotStartPrinting(const QString& printer) {
    return AppError(QStringLiteral("印刷を開始できません: %1").arg(printer));
}

bool paintPages(QPagedPaintDevice& device, const DeviceCaps& caps, int copies, int pageCount,
                const std::function<void(QPainter&, int)>& drawPage, const QString& printer) {
    QPainter painter;
    if (!painter.begin(&device))
        throw cannotStartPrinting(printer);
    painter.translate(caps.offsetX, caps.offsetY);
    for (int copy = 0; copy < copies; ++copy)
        for (int page = 0; page < pageCount; ++page) {
            if (copy > 0 || page > 0)
                device.newPage();
            painter.save();
            drawPage(painter, page);
            painter.restore();
        }
    return painter.end();
}

} // namespace lccd
