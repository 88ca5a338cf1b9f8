#pragma once

#include "platform/Printer.h"
#include "platform/adapters/PdfPrinter.h"

#include <QPageLayout>

#include <memory>

class QPrinter;
class QWidget;

namespace lccd {

// The printers of this desktop: every CUPS queue Qt knows, then the built-in PDF printer
// (PdfPrinter), so the program can preview and print to a file on any machine. A job that
// cannot start throws AppError "印刷を開始できません: %s" with the printer's name. CUPS is
// asked for its queues only when the list is first needed. Qt Widgets and PrintSupport.
class QtPrinterSystem : public PrinterSystem {
public:
    QtPrinterSystem();
    ~QtPrinterSystem() override;

    QStringList printerNames() override;
    int currentIndex() override;
    void setCurrentIndex(int index) override;
    DeviceCaps deviceCaps() override;
    std::optional<DeviceSettings> deviceSettings() override;
    void setDeviceSettings(int paperCode, int orientation) override;
    DriverPapers driverPapers() override;
    bool print(const QString& title, int copies, int pageCount,
               const std::function<void(QPainter&, int)>& drawPage) override;

    // Qt's print dialog for the current printer, without printing to a file; on
    // OK the printer and the page settings chosen in it become current. The
    // built-in PDF printer is current when the desktop has no default printer.
    bool runSetupDialog(QWidget* parent);

private:
    void listPrinters();
    bool currentIsPdf() const;
    void openCurrent();
    const QList<PrinterPaper>& papers() const;
    QPageLayout pageLayout() const;

    bool listed_ = false;
    QStringList names_;
    int current_ = -1;
    PdfPrinter pdf_;
    std::unique_ptr<QPrinter> printer_; // a CUPS queue's
    QList<PrinterPaper> papers_;        // a CUPS queue's
};

} // namespace lccd
