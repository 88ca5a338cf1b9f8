#pragma once

#include "platform/Printer.h"
#include "platform/adapters/PdfPrinter.h"

#include <memory>

namespace lccd {

// The printers of lccdtool-cli: the print module's (PrintModule.h), loaded on the first use of
// the list, unless useFilePrinterOnly has run, after which the built-in PDF printer stands
// alone and nothing is loaded. A module that cannot be loaded throws AppError.
class LoadedPrintModule final : public PrinterSystem {
public:
    LoadedPrintModule();
    ~LoadedPrintModule() override;

    // Leaves the built-in PDF printer alone in the list, current: for a run that writes files
    // and prints nothing.
    void useFilePrinterOnly() { current_ = &pdf_; }

    QStringList printerNames() override { return printers().printerNames(); }
    int currentIndex() override { return printers().currentIndex(); }
    void setCurrentIndex(int index) override { printers().setCurrentIndex(index); }
    DeviceCaps deviceCaps() override { return printers().deviceCaps(); }
    std::optional<DeviceSettings> deviceSettings() override { return printers().deviceSettings(); }
    void setDeviceSettings(int paperCode, int orientation) override {
        printers().setDeviceSettings(paperCode, orientation);
    }
    DriverPapers driverPapers() override { return printers().driverPapers(); }
    bool print(const QString& title, int copies, int pageCount,
               const std::function<void(QPainter&, int)>& drawPage) override {
        return printers().print(title, copies, pageCount, drawPage);
    }

private:
    PrinterSystem& printers();

    PdfPrinter pdf_;
    std::unique_ptr<PrinterSystem> queues_;
    PrinterSystem* current_ = nullptr;
};

} // namespace lccd
