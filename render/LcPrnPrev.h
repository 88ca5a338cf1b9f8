#pragma once

#include "render/PageCanvas.h"
#include "render/PagePicture.h"
#include "render/PaperTable.h"

#include <QWidget>

#include <memory>
#include <optional>

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

// The surface on which a label sheet is both previewed and printed. A drawing pass records one
// page picture in the current printer's pixels; the control shows it scaled to the zoom, and
// printing replays it on the printer at its own size. Layout coordinates (0.1 mm from the
// paper's top-left corner) are converted to printer pixels of the printable area.
class TLcPrnPrev : public QWidget {
    Q_OBJECT

public:
    explicit TLcPrnPrev(QWidget* parent = nullptr);
    ~TLcPrnPrev() override;

    QString Title;

    int ZoomScale() const { return zoomScale_; }
    void setZoomScale(int percent); // 25-200; anything else is ignored
    int MarginLeft = 0;             // layout units added to every x
    int MarginTop = 0;              // layout units added to every y
    int HoseiX() const { return hoseiX_; }
    void setHoseiX(int pixels);
    int HoseiY() const { return hoseiY_; }
    void setHoseiY(int pixels);
    TPrevMapModes MapMode = TPrevMapModes::pmmHi;

    int ToDeviceX(int v) const;
    int ToDeviceY(int v) const;
    int PrintOffsetX() const { return offsetX_; }
    int PrintOffsetY() const { return offsetY_; }
    int PrinterDpiX() const { return dpiX_; }
    int PrinterDpiY() const { return dpiY_; }

    // The canvas of the page being recorded; null outside NewPage ... EndPage.
    PageCanvas* pageCanvas() const { return canvas_.get(); }
    // The last recorded page; null before the first pass.
    const PagePicture* currentPage() const { return pages_.empty() ? nullptr : &pages_.front(); }
    bool HasPrinter() const;

    void NewPage();
    void EndPage();
    // Paints the empty sheet (paper and printable frame) at once, without the picture; the
    // recorded page is kept, and the next paint (a zoom, a pass) shows it again.
    void ClearPreview();
    // Prints the recorded page as one job with the given copy count; nothing before a pass.
    // Returns whether the job was printed.
    bool PrintPages(int copies = 1);

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
    // align 4) in the writing direction, aligned, spread or squeezed to fit; HoseiX and HoseiY
    // are added in printer pixels. Only the first kMaxDrawnCharacters characters are drawn.
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

    // The scale from printer pixels to screen pixels at the current zoom.
    double screenScale() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void UpdateGeometry();
    QPoint toPagePoint(int x, int y) const;
    void paintSheet(QPainter& painter);

    int zoomScale_ = 25;
    int hoseiX_ = 0;
    int hoseiY_ = 0;

    int dpiX_ = 0;
    int dpiY_ = 0;
    int offsetX_ = 0;
    int offsetY_ = 0;
    QSize physicalSize_;
    // On-screen geometry at the current zoom.
    QSize screenPaper_;
    QPoint screenOffset_;
    QSize screenPrintable_;

    std::vector<PagePicture> pages_;
    std::unique_ptr<PageCanvas> canvas_;
    bool showPicture_ = true;
    TPaperInfos paperInfos_;
};

} // namespace lccd
