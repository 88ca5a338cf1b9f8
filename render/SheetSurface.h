#pragma once

#include "platform/Fonts.h"
#include "platform/Printer.h"
#include "render/PageCanvas.h"
#include "render/PagePicture.h"
#include "render/PaperTable.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace lccd {

// Unit of layout coordinates: pmmHi 0.1 mm, pmmLo 1 mm.
enum class TPrevMapModes { pmmHi, pmmLo };

// What GetPrinterInfo reports about the current printer.
struct PrinterInfo {
    QString printerName;
    QString shortName;
    QStringList paperNames;
    QString currentPaperName;
    int currentPaperNumber = kPaperCodeA4;
    bool portrait = true;
    int paperWidth = 0; // 0.1 mm, as the driver reports it (portrait)
    int paperHeight = 0;
    int printableWidth = 0; // printer pixels
    int printableHeight = 0;
    int offsetX = 0;
    int offsetY = 0;
    int dpiX = 0;
    int dpiY = 0;
};

// Where a label sheet is drawn, without any window: a drawing pass records one page picture in
// the current printer's pixels, and printing replays it on the printer at its own size, so
// whatever shows the picture shows exactly the print image. Layout coordinates (0.1 mm from the
// paper's top-left corner) are converted to printer pixels of the printable area. The surface
// also holds the printer's paper table and selects papers in its device settings.
class SheetSurface {
public:
    SheetSurface(PrinterSystem& printers, FontSystem& fonts);
    ~SheetSurface();
    SheetSurface(const SheetSurface&) = delete;
    SheetSurface& operator=(const SheetSurface&) = delete;

    // The printers and fonts the surface was made with: drawing measures text with these fonts.
    PrinterSystem& printers() { return printers_; }
    FontSystem& fonts() { return fonts_; }

    QString Title;
    int MarginLeft = 0; // layout units added to every x
    int MarginTop = 0;  // layout units added to every y
    TPrevMapModes MapMode = TPrevMapModes::pmmHi;

    // The print corrections (layout units) as the window last handed them over. The drawing
    // pass moves every row by them once, from its inputs; nothing adds them again here, and a
    // new pass is needed for a change to reach the picture.
    int HoseiX() const { return hoseiX_; }
    void setHoseiX(int units);
    int HoseiY() const { return hoseiY_; }
    void setHoseiY(int units);

    // Called whenever what a view of the sheet shows has changed: a page ended, a paper was
    // selected, a correction was set.
    std::function<void()> onChanged;

    int ToDeviceX(int v) const;
    int ToDeviceY(int v) const;
    int PrintOffsetX() const { return device_.offsetX; }
    int PrintOffsetY() const { return device_.offsetY; }
    int printerDpiX() const { return device_.dpiX; }
    int printerDpiY() const { return device_.dpiY; }
    // The printer's page as last read (by a new page, a paper selection or GetPrinterInfo):
    // physical size, offsets and printable size in its pixels.
    const DeviceCaps& device() const { return device_; }

    // The canvas of the page being recorded; null outside NewPage ... EndPage.
    PageCanvas* pageCanvas() const { return canvas_.get(); }
    // The last recorded page; null before the first pass.
    const PagePicture* currentPage() const { return pages_.empty() ? nullptr : &pages_.front(); }
    bool HasPrinter() const;

    // Starts a fresh page on the current printer's page; throws AppError without a printer.
    void NewPage();
    void EndPage();
    // Prints the recorded page as one job with the given copy count; nothing before a pass.
    // Returns whether the job was printed.
    bool PrintPages(int copies = 1);
    // Whether the current printer's settings carry a copy count.
    bool printerDeclaresCopies() const;

    // Primitives in layout units, drawn with the canvas's current pen and brush.
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Rectangle(int x1, int y1, int x2, int y2);
    void RoundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight);
    void Ellipse(int x1, int y1, int x2, int y2);

    // A text line draws at most this many characters: more could not get a printer pixel each
    // across A3 paper at 600 dpi, and every drawn character is kept in the page picture.
    static constexpr qsizetype kMaxDrawnCharacters = 10000;

    // One line of text in the canvas font, at (x, y) in layout units: a box w long (w2 for
    // align 4) in the writing direction, aligned, spread or squeezed to fit. Only the first
    // kMaxDrawnCharacters characters are drawn.
    void DrawString(int x, int y, int align, bool vertical, int w2, int w, const QString& text);

    struct FoundPaper {
        int number = kPaperCodeA4;
        std::optional<QSize> size; // 0.1 mm
    };
    FoundPaper FindPaper(const QString& name) const;
    void SelectPaper(const QString& name, int orientation);
    // The current paper code (A4 when the settings cannot be read); sets portrait when known.
    int ReadCurrentPaper(bool& portrait) const;
    // -1 without a printer; otherwise fills info and returns the index of the current paper in
    // the paper names (0 when it is not among them).
    int GetPrinterInfo(PrinterInfo& info);
    const TPaperInfos& paperInfos() const { return paperInfos_; }

private:
    // Reads the current printer's page again; nothing without a printer.
    void refreshDevice();
    QPoint toPagePoint(int x, int y) const;
    void changed();

    PrinterSystem& printers_;
    FontSystem& fonts_;
    int hoseiX_ = 0;
    int hoseiY_ = 0;
    DeviceCaps device_;
    std::vector<PagePicture> pages_;
    std::unique_ptr<PageCanvas> canvas_;
    TPaperInfos paperInfos_;
};

} // namespace lccd
