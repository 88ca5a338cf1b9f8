#pragma once

#include "render/LcPrnPrev.h"

namespace lccd {

// What the main window's printer boxes show for a printer information query.
struct PrinterPanelTexts {
    QString printerName; // the name and "(short name)", or "(プリンターが使えません)"
    QString canvasSize;  // "dpiX-dpiY|paperW-paperH|printableW-printableH|offsetX-offsetY"
    QString paperWidth;  // 0.1 mm; exchanged with the height in landscape
    QString paperHeight;
};

// index is what GetPrinterInfo returned (negative without a printer).
PrinterPanelTexts describePrinter(const PrinterInfo& info, int index);

} // namespace lccd
