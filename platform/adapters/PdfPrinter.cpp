#include "platform/adapters/PdfPrinter.h"

#include "platform/Dialogs.h"
#include "platform/FileIO.h"

#include <QPdfWriter>
#include <QTemporaryFile>

#include <cmath>

namespace lccd {

namespace {

constexpr int kDpi = 600;

struct BuiltInPaper {
    const char* name;
    int widthMm10; // 0.1 mm, portrait
    int heightMm10;
    int code;
};

// Named as Japanese printer drivers name them. Codes are the desktop's paper codes; sizes
// without one get codes of their own.
constexpr BuiltInPaper kPapers[] = {
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

} // namespace

PdfPrinter::PdfPrinter() {
    for (const BuiltInPaper& paper : kPapers) {
        const QString name = QString::fromUtf8(paper.name);
        papers_.append({name, paper.code,
                        QPageSize(QSizeF(paper.widthMm10 / 10.0, paper.heightMm10 / 10.0),
                                  QPageSize::Millimeter, name, QPageSize::ExactMatch)});
    }
    layout_ = QPageLayout(papers_[1].size, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                          QPageLayout::Millimeter);
}

QString PdfPrinter::printerName() {
    return QStringLiteral("PDF出力");
}

DeviceCaps PdfPrinter::deviceCaps() {
    // The papers are exact millimetre sizes; Qt would round them to whole points.
    const QSizeF mm = layout_.pageSize().size(QPageSize::Millimeter);
    QSize pixels(int(std::lround(mm.width() / 25.4 * kDpi)),
                 int(std::lround(mm.height() / 25.4 * kDpi)));
    if (layout_.orientation() == QPageLayout::Landscape)
        pixels.transpose();
    return pageCaps(kDpi, pixels, layout_.marginsPixels(kDpi), layout_.orientation());
}

std::optional<DeviceSettings> PdfPrinter::deviceSettings() {
    DeviceSettings settings;
    if (const PrinterPaper* paper = paperOfPage(papers_, layout_.pageSize()))
        settings.paperCode = paper->code;
    settings.orientation = layout_.orientation() == QPageLayout::Landscape
                               ? PaperOrientation::Landscape
                               : PaperOrientation::Portrait;
    settings.declaresCopies = true;
    return settings;
}

void PdfPrinter::setDeviceSettings(int paperCode, int orientation) {
    if (const PrinterPaper* paper = paperOfCode(papers_, paperCode))
        layout_.setPageSize(paper->size);
    layout_.setOrientation(orientation == PaperOrientation::Landscape ? QPageLayout::Landscape
                                                                      : QPageLayout::Portrait);
}

bool PdfPrinter::print(const QString& title, int copies, int pageCount,
                       const std::function<void(QPainter&, int)>& drawPage) {
    if (pageCount <= 0)
        return false;
    FileDialogRequest request{QString(), QStringLiteral("PDF(*.pdf)|*.pdf"), QString()};
    std::optional<QString> path = dialogs().saveFile(request);
    if (!path)
        return false;
    // The PDF is printed into a draft first, so that a failed job leaves the chosen file as it
    // was.
    QTemporaryFile draft;
    if (!draft.open())
        throw cannotStartPrinting(printerName());
    if (!path->endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        path->append(QLatin1String(".pdf"));
    bool printed = false;
    {
        QPdfWriter writer(&draft);
        writer.setResolution(kDpi);
        writer.setPageLayout(layout_);
        writer.setTitle(title);
        // A PDF holds its copies as repeated pages.
        printed =
            paintPages(writer, deviceCaps(), qMax(1, copies), pageCount, drawPage, printerName());
    }
    if (!printed)
        return false;
    // Qt does not tell when the draft could not be written whole (a full temporary folder); a
    // complete PDF ends with its end-of-file marker.
    if (!draft.flush() || !draft.seek(0))
        throw AppError::cannotWrite(*path);
    const QByteArray pdf = draft.readAll();
    if (!pdf.trimmed().endsWith("%%EOF"))
        throw AppError::cannotWrite(*path);
    writeFileAtomically(*path, pdf);
    return true;
}

} // namespace lccd
