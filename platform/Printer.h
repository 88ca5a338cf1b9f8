#pragma once

#include <QList>
#include <QSize>
#include <QStringList>

#include <functional>
#include <optional>

class QPainter;

// The printers of the desktop, as the print surface needs them: the list with a current entry,
// the current printer's device capabilities and settings, the papers its driver offers, and
// print jobs.
namespace lccd {

// Orientation codes of the device settings.
namespace PaperOrientation {
constexpr int Portrait = 1;
constexpr int Landscape = 2;
} // namespace PaperOrientation

constexpr int kPaperCodeA4 = 9;

// What the current printer can do with its current paper and orientation, in printer pixels.
struct DeviceCaps {
    int dpiX = 0;
    int dpiY = 0;
    int physicalWidth = 0;
    int physicalHeight = 0;
    int offsetX = 0; // printable area from the paper's top-left corner
    int offsetY = 0;
    int printableWidth = 0;
    int printableHeight = 0;
};

// The part of the current printer's device settings the program reads and changes.
struct DeviceSettings {
    int paperCode = kPaperCodeA4;
    int orientation = PaperOrientation::Portrait;
    // The settings carry a copy count: one job can print several copies.
    bool declaresCopies = false;
};

// The (width, height) pairs in 0.1 mm, portrait, that a driver reports, one per paper.
using TPaperSizes = QList<QSize>;

// The papers a driver reports, as three lists that normally have one entry per paper.
struct DriverPapers {
    QStringList names;
    QList<int> codes;
    TPaperSizes sizes;
};

class PrinterSystem {
public:
    virtual ~PrinterSystem() = default;

    virtual QStringList printerNames() = 0;
    // -1 when there is no printer.
    virtual int currentIndex() = 0;
    virtual void setCurrentIndex(int index) = 0;

    virtual DeviceCaps deviceCaps() = 0;
    // Nothing when the device settings cannot be read.
    virtual std::optional<DeviceSettings> deviceSettings() = 0;
    virtual void setDeviceSettings(int paperCode, int orientation) = 0;
    virtual DriverPapers driverPapers() = 0;

    // Prints pageCount pages as one job with the given copy count. drawPage(painter, i) draws
    // page i; one painter unit is one printer pixel of deviceCaps(), the origin is the
    // printable area's top-left corner. Returns false when the user cancelled (or the printer
    // failed after the job started); a job that cannot start throws AppError
    // "印刷を開始できません: %s" with the printer's name.
    virtual bool print(const QString& title, int copies, int pageCount,
                       const std::function<void(QPainter&, int)>& drawPage) = 0;
};

} // namespace lccd
