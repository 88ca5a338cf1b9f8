#pragma once

#include "platform/Printer.h"

#include <QList>
#include <QString>

namespace lccd {

// One paper the current printer offers.
struct TPaperInfo {
    QString PaperName; // at most 63 bytes in Shift-JIS
    quint16 PaperNumber = 0;
    qint32 PaperWidth = 0; // 0.1 mm, portrait
    qint32 PaperHeight = 0;
};

using TPaperInfos = QList<TPaperInfo>;

// The paper table from what the driver reports. Throws AppError when the driver's lists do
// not match: "DeviceCapabilities reports different number of papers and paper-names" for
// names and codes, an assertion failure for names and sizes.
TPaperInfos buildPaperTable(const DriverPapers& papers);

// The short form of a printer name: the text before the first full stop, else the text after
// the last backslash, else nothing ("Office.Laser" -> "Office", "\\server\label" -> "label").
QString shortPrinterName(const QString& printerName);

} // namespace lccd
