#pragma once

#include "platform/Printer.h"

#include <QMargins>
#include <QPicture>

namespace lccd::test {

// A configurable printer system for tests. By default one printer
// "Office.Laser" at 600 dpi with a few papers (A4 selected, portrait) and hardware margins of
// about 100 pixels: A4 is 4961 × 7016 pixels with a printable area of 4760 × 6814.
class FakePrinters : public PrinterSystem {
public:
    FakePrinters();

    struct Job {
        QString title;
        int copies;
        QList<QPicture> pages; // what each page drew
    };

    QStringList names{QStringLiteral("Office.Laser")};
    int current = 0;
    int dpi = 600;
    int verticalDpi = 0;                  // 0: the same as dpi
    QMargins margins{100, 100, 101, 102}; // portrait left, top, right, bottom
    DriverPapers papers;
    DeviceSettings settings;
    bool settingsAvailable = true;
    QList<Job> jobs;

    // Removes every printer.
    void removeAllPrinters();

    QStringList printerNames() override { return names; }
    int currentIndex() override { return current; }
    void setCurrentIndex(int index) override { current = index; }
    DeviceCaps deviceCaps() override;
    std::optional<DeviceSettings> deviceSettings() override;
    void setDeviceSettings(int paperCode, int orientation) override;
    DriverPapers driverPapers() override { return papers; }
    bool print(const QString& title, int copies, int pageCount,
               const std::function<void(QPainter&, int)>& drawPage) override;
};

} // namespace lccd::test
