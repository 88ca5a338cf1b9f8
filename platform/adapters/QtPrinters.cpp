#include "platform/adapters/QtPrinters.h"

#include "platform/adapters/PrinterPages.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <cstdlib>

namespace lccd {

namespace {

constexpr int kPreferredDpi = 600;

// The resolution to record at: 600 dpi where the printer offers it, else the
// nearest it has. The offers are the printer's own (its PPD's); QPrinter itself
// answers 72 for every CUPS printer, which would round every position to 0.35
// mm and every font to whole points.
int chooseResolution(const QPrinterInfo& printer) {
    const QList<int> offered = printer.supportedResolutions();
    int best = offered.isEmpty() ? kPreferredDpi : offered.first();
    for (int dpi : offered)
        if (std::abs(dpi - kPreferredDpi) < std::abs(best - kPreferredDpi))
            best = dpi;
    return best;
}

} // namespace

QtPrinterSystem::QtPrinterSystem() = default;

QtPrinterSystem::~QtPrinterSystem() = default;

void QtPrinterSystem::listPrinters() {
    if (listed_)
        return;
    listed_ = true;
    names_ = QPrinterInfo::availablePrinterNames();
    names_.append(PdfPrinter::printerName());
    const qsizetype defaultIndex = names_.indexOf(QPrinterInfo::defaultPrinterName());
    current_ = defaultIndex >= 0 ? int(defaultIndex) : int(names_.size() - 1);
    openCurrent();
}

bool QtPrinterSystem::currentIsPdf() const {
    return current_ == names_.size() - 1;
}

void QtPrinterSystem::openCurrent() {
    papers_.clear();
    if (currentIsPdf()) {
        // A QPrinter, even one printing to a file, would ask CUPS for its default printer.
        printer_.reset();
        return;
    }
    const QPrinterInfo info = QPrinterInfo::printerInfo(names_[current_]);
    printer_ = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    printer_->setResolution(chooseResolution(info));
    QList<int> used;
    int ownCode = kFirstOwnPaperCode;
    for (const QPageSize& size : info.supportedPageSizes()) {
        int code = size.windowsId();
        if (code <= 0 || used.contains(code))
            code = ownCode++;
        used.append(code);
        papers_.append({size.name(), code, size});
    }
    printer_->setPageOrientation(QPageLayout::Portrait);
}

const QList<PrinterPaper>& QtPrinterSystem::papers() const {
    return currentIsPdf() ? pdf_.papers() : papers_;
}

QPageLayout QtPrinterSystem::pageLayout() const {
    return currentIsPdf() ? pdf_.pageLayout() : printer_->pageLayout();
}

QStringList QtPrinterSystem::printerNames() {
    listPrinters();
    return names_;
}

int QtPrinterSystem::currentIndex() {
    listPrinters();
    return current_;
}

void QtPrinterSystem::setCurrentIndex(int index) {
    listPrinters();
    if (index < 0 || index >= names_.size() || index == current_)
        return;
    current_ = index;
    openCurrent();
}

DeviceCaps QtPrinterSystem::deviceCaps() {
    listPrinters();
    if (currentIsPdf())
        return pdf_.deviceCaps();
    const int dpi = printer_->resolution();
    const QPageLayout layout = printer_->pageLayout();
    return pageCaps(dpi, layout.fullRectPixels(dpi).size(), layout.marginsPixels(dpi),
                    layout.orientation());
}

std::optional<DeviceSettings> QtPrinterSystem::deviceSettings() {
    listPrinters();
    if (currentIsPdf())
        return pdf_.deviceSettings();
    DeviceSettings settings;
    const QPageLayout layout = printer_->pageLayout();
    if (const PrinterPaper* paper = paperOfPage(papers_, layout.pageSize()))
        settings.paperCode = paper->code;
    settings.orientation = layout.orientation() == QPageLayout::Landscape
                               ? PaperOrientation::Landscape
                               : PaperOrientation::Portrait;
    settings.declaresCopies = printer_->supportsMultipleCopies();
    return settings;
}

void QtPrinterSystem::setDeviceSettings(int paperCode, int orientation) {
    listPrinters();
    if (currentIsPdf()) {
        pdf_.setDeviceSettings(paperCode, orientation);
        return;
    }
    if (const PrinterPaper* paper = paperOfCode(papers_, paperCode))
        printer_->setPageSize(paper->size);
    printer_->setPageOrientation(orientation == PaperOrientation::Landscape
                                     ? QPageLayout::Landscape
                                     : QPageLayout::Portrait);
}

DriverPapers QtPrinterSystem::driverPapers() {
    listPrinters();
    return driverPapersOf(papers());
}

bool QtPrinterSystem::print(const QString& title, int copies, int pageCount,
                            const std::function<void(QPainter&, int)>& drawPage) {
    listPrinters();
    if (currentIsPdf())
        return pdf_.print(title, copies, pageCount, drawPage);
    if (pageCount <= 0)
        return false;
    printer_->setCopyCount(qMax(1, copies));
    printer_->setDocName(title);
    printer_->setFullPage(true);
    const bool printed =
        paintPages(*printer_, deviceCaps(), 1, pageCount, drawPage, names_.value(current_));
    printer_->setFullPage(false);
    return printed;
}

bool QtPrinterSystem::runSetupDialog(QWidget* parent) {
    listPrinters();
    QPrinter chooser(QPrinter::HighResolution);
    if (currentIsPdf())
        chooser.setOutputFormat(QPrinter::PdfFormat);
    else
        chooser.setPrinterName(names_[current_]);
    chooser.setPageLayout(pageLayout());
    QPrintDialog dialog(&chooser, parent);
    // Nothing is printed from here, so there is no file to print to.
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const qsizetype index = chooser.outputFormat() == QPrinter::PdfFormat
                                ? names_.size() - 1
                                : names_.indexOf(chooser.printerName());
    if (index < 0)
        return false;
    setCurrentIndex(int(index));
    const QPageLayout chosen = chooser.pageLayout();
    if (const PrinterPaper* paper = paperOfPage(papers(), chosen.pageSize()))
        setDeviceSettings(paper->code, chosen.orientation() == QPageLayout::Landscape
                                           ? PaperOrientation::Landscape
                                           : PaperOrientation::Portrait);
    if (printer_) {
        printer_->setDuplex(chooser.duplex());
        printer_->setColorMode(chooser.colorMode());
    }
    return true;
}

} // namespace lccd
