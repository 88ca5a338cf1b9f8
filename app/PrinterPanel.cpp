#include "app/PrinterPanel.h"

namespace lccd {

PrinterPanelTexts describePrinter(const PrinterInfo& info, int index) {
    PrinterPanelTexts texts;
    if (index < 0)
        texts.printerName = QStringLiteral("(プリンターが使えません)");
    else if (info.shortName.isEmpty())
        texts.printerName = info.printerName;
    else
        texts.printerName = QStringLiteral("%1 (%2)").arg(info.printerName, info.shortName);
    texts.canvasSize = QStringLiteral("%1-%2|%3-%4|%5-%6|%7-%8")
                           .arg(info.dpiX)
                           .arg(info.dpiY)
                           .arg(info.paperWidth)
                           .arg(info.paperHeight)
                           .arg(info.printableWidth)
                           .arg(info.printableHeight)
                           .arg(info.offsetX)
                           .arg(info.offsetY);
    texts.paperWidth = QString::number(info.portrait ? info.paperWidth : info.paperHeight);
    texts.paperHeight = QString::number(info.portrait ? info.paperHeight : info.paperWidth);
    return texts;
}

} // namespace lccd
