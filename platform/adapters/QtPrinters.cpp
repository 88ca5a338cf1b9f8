#include "platform/adapters/QtPrinters.h"

#include "platform/AppError.h"
#include "platform/Dialogs.h"
#include "platform/FileIO.h"

#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>

#include <cmath>
#include <cstdlib>

namespace lccd {

namespace {

constexpr int kPreferredDpi = 600;
constexpr int kFirstOwnPaperCode = 256;

struct BuiltInPaper {
    const char* name;
    int widthMm10; // 0.1 mm, portrait
    int heightMm10;
    int code;
};

// The papers of the built-in PDF printer, named as Japanese printer drivers
// name them. Codes are the desktop's paper codes; sizes without one get codes
// of their own above 255.
constexpr BuiltInPaper kPdfPapers[] = {
    {"A3", 2970, 4200, 8},
    {"A4", 2100, 2970, 9},
    {"A5", 1480, 2100, 11},
    {"B4 (JIS)", 2570, 3640, 12},
    {"B5 (JIS)", 1820, 2570, 13},
    {"Letter", 2159, 2794, 1},
    {"Legal", 2159, 3556, 5},
    {"官製ハガキ 100 x 148 mm", 1000, 1480, 43},
    {"往復ハガキ 200 x 148 mm", 2000, 1480, 69},
    {"L判 89 x 127 mm", 890, 1270, kFirstOwnPaperCode},
    {"2L判 127 x 178 mm", 1270, 1780, kFirstOwnPaperCode + 1},
    {"長形3号", 1200, 2350, 73},
    {"角形2号", 2400, 3320, 71},
};

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

QSize portraitSize10(const QPageSize& size) {
    const QSizeF mm = size.size(QPageSize::Millimeter);
    const QSize size10(int(std::lround(mm.width() * 10)), int(std::lround(mm.height() * 10)));
    return size10.width() <= size10.height() ? size10 : size10.transposed();
}

bool samePage(const QPageSize& a, const QPageSize& b) {
    return a.isEquivalentTo(b) || portraitSize10(a) == portraitSize10(b);
}

} // namespace

QtPrinterSystem::QtPrinterSystem() = default;

QtPrinterSystem::~QtPrinterSystem() = default;

void QtPrinterSystem::listPrinters() {
    if (listed_)
        return;
    listed_ = true;
    names_ = QPrinterInfo::availablePrinterNames();
    names_.append(pdfPrinterName());
    const qsizetype defaultIndex = names_.indexOf(QPrinterInfo::defaultPrinterName());
    current_ = defaultIndex >= 0 ? int(defaultIndex) : int(names_.size() - 1);
    openCurrent();
}

void QtPrinterSystem::useFilePrinterOnly() {
    listed_ = true;
    names_ = {pdfPrinterName()};
    current_ = 0;
    openCurrent();
}

QString QtPrinterSystem::pdfPrinterName() {
    return QStringLiteral("PDF出力");
}

bool QtPrinterSystem::currentIsPdf() const {
    return current_ == names_.size() - 1;
}

void QtPrinterSystem::openCurrent() {
    papers_.clear();
    if (currentIsPdf()) {
        // A QPrinter, even one printing to a file, would ask CUPS for its default
        // printer.
        printer_.reset();
        for (const BuiltInPaper& paper : kPdfPapers) {
            const QString name = QString::fromUtf8(paper.name);
            papers_.append({name, paper.code,
                            QPageSize(QSizeF(paper.widthMm10 / 10.0, paper.heightMm10 / 10.0),
                                      QPageSize::Millimeter, name, QPageSize::ExactMatch)});
        }
        pdfLayout_ = QPageLayout(papers_[1].size, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                                 QPageLayout::Millimeter);
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

int QtPrinterSystem::resolution() const {
    return currentIsPdf() ? kPreferredDpi : printer_->resolution();
}

QPageLayout QtPrinterSystem::pageLayout() const {
    return currentIsPdf() ? pdfLayout_ : printer_->pageLayout();
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
    const int dpi = resolution();
    const QPageLayout layout = pageLayout();
    QRect full = layout.fullRectPixels(dpi);
    if (currentIsPdf()) {
        // The built-in papers are exact millimetre sizes; Qt would round them to
        // whole points.
        const QSizeF mm = layout.pageSize().size(QPageSize::Millimeter);
        QSize pixels(int(std::lround(mm.width() / 25.4 * dpi)),
                     int(std::lround(mm.height() / 25.4 * dpi)));
        if (layout.orientation() == QPageLayout::Landscape)
            pixels.transpose();
        full = QRect(QPoint(0, 0), pixels);
    }
    // The driver's margins belong to the portrait page; in landscape the page is
    // the portrait one turned a quarter anticlockwise, so its margins turn with
    // it.
    QMargins m = layout.marginsPixels(dpi);
    if (layout.orientation() == QPageLayout::Landscape)
        m = QMargins(m.bottom(), m.left(), m.top(), m.right());
    DeviceCaps caps;
    caps.dpiX = caps.dpiY = dpi;
    caps.physicalWidth = full.width();
    caps.physicalHeight = full.height();
    caps.offsetX = m.left();
    caps.offsetY = m.top();
    caps.printableWidth = full.width() - m.left() - m.right();
    caps.printableHeight = full.height() - m.top() - m.bottom();
    return caps;
}

std::optional<DeviceSettings> QtPrinterSystem::deviceSettings() {
    listPrinters();
    DeviceSettings settings;
    const QPageLayout layout = pageLayout();
    for (const Paper& paper : papers_)
        if (samePage(paper.size, layout.pageSize())) {
            settings.paperCode = paper.code;
            break;
        }
    settings.orientation = layout.orientation() == QPageLayout::Landscape
                               ? PaperOrientation::Landscape
                               : PaperOrientation::Portrait;
    settings.declaresCopies = currentIsPdf() || printer_->supportsMultipleCopies();
    return settings;
}

const QtPrinterSystem::Paper* QtPrinterSystem::paperOfCode(int code) const {
    for (const Paper& paper : papers_)
        if (paper.code == code)
            return &paper;
    return nullptr;
}

void QtPrinterSystem::setDeviceSettings(int paperCode, int orientation) {
    listPrinters();
    const QPageLayout::Orientation turned =
        orientation == PaperOrientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
    if (currentIsPdf()) {
        if (const Paper* paper = paperOfCode(paperCode))
            pdfLayout_.setPageSize(paper->size);
        pdfLayout_.setOrientation(turned);
        return;
    }
    if (const Paper* paper = paperOfCode(paperCode))
        printer_->setPageSize(paper->size);
    printer_->setPageOrientation(turned);
}

DriverPapers QtPrinterSystem::driverPapers() {
    listPrinters();
    DriverPapers papers;
    for (const Paper& paper : papers_) {
        papers.names.append(paper.name);
        papers.codes.append(paper.code);
        papers.sizes.append(portraitSize10(paper.size));
    }
    return papers;
}

bool QtPrinterSystem::print(const QString& title, int copies, int pageCount,
                            const std::function<void(QPainter&, int)>& drawPage) {
    listPrinters();
    if (pageCount <= 0)
        return false;
    int copiesInJob = 1;
    std::optional<QString> pdfPath;
    // The PDF is printed into a draft first, so that a failed job leaves the
    // chosen file as it was.
    QTemporaryFile pdfDraft;
    std::unique_ptr<QPdfWriter> pdfWriter;
    QPagedPaintDevice* device = printer_.get();
    if (currentIsPdf()) {
        FileDialogRequest request{QString(), QStringLiteral("PDF(*.pdf)|*.pdf"), QString()};
        pdfPath = dialogs().saveFile(request);
        if (!pdfPath)
            return false;
        if (!pdfDraft.open())
            throw cannotStart();
        if (!pdfPath->endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
            pdfPath->append(QLatin1String(".pdf"));
        pdfWriter = std::make_unique<QPdfWriter>(&pdfDraft);
        pdfWriter->setResolution(kPreferredDpi);
        pdfWriter->setPageLayout(pdfLayout_);
        pdfWriter->setTitle(title);
        device = pdfWriter.get();
        // A PDF holds its copies as repeated pages.
        copiesInJob = qMax(1, copies);
    } else {
        printer_->setCopyCount(qMax(1, copies));
        printer_->setDocName(title);
        printer_->setFullPage(true);
    }
    const DeviceCaps caps = deviceCaps();

    QPainter painter;
    if (!painter.begin(device))
        throw cannotStart();
    painter.translate(caps.offsetX, caps.offsetY);
    for (int copy = 0; copy < copiesInJob; ++copy)
        for (int page = 0; page < pageCount; ++page) {
            if (copy > 0 || page > 0)
                device->newPage();
            painter.save();
            drawPage(painter, page);
            painter.restore();
        }
    const bool printed = painter.end();
    if (printer_)
        printer_->setFullPage(false);
    pdfWriter.reset();
    if (printed && pdfPath) {
        // Qt does not tell when the draft could not be written whole (a full
        // temporary folder); a complete PDF ends with its end-of-file marker.
        if (!pdfDraft.flush() || !pdfDraft.seek(0))
            throw AppError::cannotWrite(*pdfPath);
        const QByteArray pdf = pdfDraft.readAll();
        if (!pdf.trimmed().endsWith("%%EOF"))
            throw AppError::cannotWrite(*pdfPath);
        writeFileAtomically(*pdfPath, pdf);
    }
    return printed;
}

AppError QtPrinterSystem::cannotStart() const {
    return AppError(QStringLiteral("印刷を開始できません: %1").arg(names_.value(current_)));
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
    for (const Paper& paper : papers_)
        if (samePage(paper.size, chosen.pageSize())) {
            setDeviceSettings(paper.code, chosen.orientation() == QPageLayout::Landscape
                                              ? PaperOrientation::Landscape
                                              : PaperOrientation::Portrait);
            break;
        }
    if (printer_) {
        printer_->setDuplex(chooser.duplex());
        printer_->setColorMode(chooser.colorMode());
    }
    return true;
}

} // namespace lccd
