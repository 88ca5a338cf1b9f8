#pragma once

#include "platform/AppError.h"
#include "platform/Printer.h"

#include <QPageLayout>
#include <QPageSize>

#include <functional>

class QPagedPaintDevice;

// What the built-in PDF printer and the CUPS queues share: their papers, the device capabilities
// of a page and the drawing of a job's pages. Qt Gui only.
namespace lccd {

// Papers without a desktop paper code get codes of their own from here on.
constexpr int kFirstOwnPaperCode = 256;

struct PrinterPaper {
    QString name;
    int code;
    QPageSize size;
};

// A page's size in 0.1 mm, portrait.
QSize portraitSize10(const QPageSize& size);
bool samePage(const QPageSize& a, const QPageSize& b);

// The first paper of the same size as the page, or nullptr.
const PrinterPaper* paperOfPage(const QList<PrinterPaper>& papers, const QPageSize& page);
const PrinterPaper* paperOfCode(const QList<PrinterPaper>& papers, int code);
DriverPapers driverPapersOf(const QList<PrinterPaper>& papers);

// The capabilities of a full page of that many pixels; the margins are the portrait page's,
// turned with a landscape page.
DeviceCaps pageCaps(int dpi, QSize fullPixels, QMargins portraitMargins,
                    QPageLayout::Orientation orientation);

// "印刷を開始できません: %s" with the printer's name.
AppError cannotStartPrinting(const QString& printer);

// Draws copies × pageCount pages on the device, each with its origin at the printable area
// (caps' offsets). Throws cannotStartPrinting(printer) when the device cannot be painted on;
// returns whether the painter ended well.
bool paintPages(QPagedPaintDevice& device, const DeviceCaps& caps, int copies, int pageCount,
                const std::function<void(QPainter&, int)>& drawPage, const QString& printer);

} // namespace lccd
