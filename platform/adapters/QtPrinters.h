#pragma once

#include "platform/AppError.h"
#include "platform/Printer.h"

#include <QPageLayout>
#include <QPageSize>

#include <memory>

class QPrinter;
class QWidget;

namespace lccd {

// The printers of this desktop: every CUPS queue Qt knows, then a built-in PDF
// printer that is always there, so the program can preview and print to a file
// on any machine. The PDF printer replaces its file only with a complete
// document; a file it cannot write throws AppError "ファイル %s
// を作成できません". A job that cannot start throws AppError
// "印刷を開始できません: %s" with the printer's name. CUPS is asked for its
// queues only when the list is first needed, and never once useFilePrinterOnly
// has run: the PDF printer needs no print system.
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

    // The name under which the built-in PDF printer is listed.
    static QString pdfPrinterName();

    // Leaves the built-in PDF printer alone in the list, current, without asking CUPS for its
    // queues: for a run that writes files and prints nothing.
    void useFilePrinterOnly();

    // Qt's print dialog for the current printer, without printing to a file; on
    // OK the printer and the page settings chosen in it become current. The
    // built-in PDF printer is current when the desktop has no default printer.
    bool runSetupDialog(QWidget* parent);

private:
    struct Paper {
        QString name;
        int code;
        QPageSize size;
    };

    void listPrinters();
    bool currentIsPdf() const;
    AppError cannotStart() const;
    void openCurrent();
    const Paper* paperOfCode(int code) const;
    int resolution() const;
    QPageLayout pageLayout() const;

    bool listed_ = false;
    QStringList names_;
    int current_ = -1;
    std::unique_ptr<QPrinter> printer_; // a CUPS queue's
    QPageLayout pdfLayout_;             // the PDF printer's page, without margins
    QList<Paper> papers_;
};

} // namespace lccd
