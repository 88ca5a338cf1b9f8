#pragma once

#include "platform/Printer.h"
#include "platform/adapters/PrinterPages.h"

namespace lccd {

// The built-in PDF printer, a print system of one printer that is always there, so the program
// can preview and print to a file on any machine without asking CUPS for anything. It offers
// the papers Japanese printer drivers name, at 600 dpi without margins, and prints into the
// PDF file the user chooses, replacing it only with a complete document; a file it cannot write
// throws AppError "ファイル %s を作成できません" or "%s に書き込めません". Qt Gui only.
class PdfPrinter final : public PrinterSystem {
public:
    PdfPrinter();

    // The name under which it is listed.
    static QString printerName();

    QStringList printerNames() override { return {printerName()}; }
    int currentIndex() override { return 0; }
    void setCurrentIndex(int) override {}
    DeviceCaps deviceCaps() override;
    std::optional<DeviceSettings> deviceSettings() override;
    void setDeviceSettings(int paperCode, int orientation) override;
    DriverPapers driverPapers() override { return driverPapersOf(papers_); }
    bool print(const QString& title, int copies, int pageCount,
               const std::function<void(QPainter&, int)>& drawPage) override;

    const QList<PrinterPaper>& papers() const { return papers_; }
    const QPageLayout& pageLayout() const { return layout_; }

private:
    QList<PrinterPaper> papers_;
    QPageLayout layout_; // without margins
};

} // namespace lccd
