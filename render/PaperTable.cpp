#include "render/PaperTable.h"

#include "platform/AppError.h"
#include "platform/CodePage.h"

namespace lccd {
namespace {

// A driver's paper name field holds 63 bytes and its terminating NUL.
constexpr qsizetype kPaperNameBytes = 63;

} // namespace

TPaperInfos buildPaperTable(const DriverPapers& papers) {
    if (papers.names.size() != papers.codes.size())
        throw AppError(QStringLiteral(
            "DeviceCapabilities reports different number of papers and paper-names"));
    if (papers.names.size() != papers.sizes.size())
        throw AppError(QStringLiteral("Assertion failure (LcPrnPrev)"));
    TPaperInfos table;
    for (qsizetype i = 0; i < papers.names.size(); ++i)
        table.append({cutToSjisBytes(papers.names[i], kPaperNameBytes), quint16(papers.codes[i]),
                      papers.sizes[i].width(), papers.sizes[i].height()});
    return table;
}

QString shortPrinterName(const QString& printerName) {
    const qsizetype stop = printerName.indexOf(QLatin1Char('.'));
    if (stop >= 0)
        return printerName.left(stop);
    const qsizetype backslash = printerName.lastIndexOf(QLatin1Char('\\'));
    if (backslash >= 0)
        return printerName.mid(backslash + 1);
    return QString();
}

} // namespace lccd
