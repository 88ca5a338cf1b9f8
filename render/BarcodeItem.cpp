#include "render/BarcodeItem.h"

#include "common/Rounding.h"
#include "platform/Fonts.h"
#include "render/CustomerBarcode.h"
#include "render/LineLayout.h"

namespace lccd {
namespace {

double mmToPixels(double mm, int dpi) {
    return mm / 25.4 * dpi;
}

void drawBars(const ItemContext& context, const DecodedRow& row, const QColor& color) {
    SheetSurface& surface = context.surface;
    const QList<BarKind> bars = customerBarcodeBars(row.value);
    if (bars.isEmpty())
        return;
    const bool vertical = row.vertical;
    // Along the line and across it, in printer pixels.
    const int alongDpi = vertical ? surface.printerDpiY() : surface.printerDpiX();
    const int acrossDpi = vertical ? surface.printerDpiX() : surface.printerDpiY();
    const BarGeometry geometry = BarGeometry::forPointSize(row.size);
    const double pitch = mmToPixels(geometry.pitch, alongDpi);

    const int W = vertical ? surface.ToDeviceY(row.w) : surface.ToDeviceX(row.w);
    const int W2 = vertical ? surface.ToDeviceY(row.w2) : surface.ToDeviceX(row.w2);
    const int total = RoundHalfAway(pitch * bars.size());
    const LineLayout layout =
        alignLine(row.align > 4 ? Align::Left : row.align, W, W2, total, int(bars.size()));
    // A barcode longer than the box gets a narrower pitch and narrower bars, never shorter ones.
    const double scaledPitch = pitch * layout.scale;
    const int barWidth =
        qMax(1, RoundHalfAway(mmToPixels(geometry.width, alongDpi) * layout.scale));

    const int startX = surface.ToDeviceX(row.x + context.correctionX) - surface.PrintOffsetX();
    const int startY = surface.ToDeviceY(row.y + context.correctionY) - surface.PrintOffsetY();
    const int cell = RoundHalfAway(mmToPixels(geometry.longHeight, acrossDpi));
    PageCanvas& canvas = *surface.pageCanvas();
    for (qsizetype i = 0; i < bars.size(); ++i) {
        const int along = layout.offset + RoundHalfAway(i * scaledPitch) + int(i) * layout.gap +
                          int(qMin<qsizetype>(i, layout.extra));
        const auto [top, height] = barSpan(bars[i], geometry);
        const int acrossTop = RoundHalfAway(mmToPixels(top, acrossDpi));
        const int acrossLength = RoundHalfAway(mmToPixels(height, acrossDpi));
        // In a vertical column the bars' tops face right, as turned text does.
        const QRect bar = vertical
                              ? QRect(startX + cell - acrossTop - acrossLength, startY + along,
                                      acrossLength, barWidth)
                              : QRect(startX + along, startY + acrossTop, barWidth, acrossLength);
        canvas.fillRect(bar, color);
    }
}

} // namespace

void drawBarcodeRow(const ItemContext& context, const DecodedRow& row) {
    CanvasFont& font = context.surface.pageCanvas()->font();
    // The item dialog stores a face with its fallback after "|"; the barcode font is the first.
    font.face = row.face.section(QLatin1Char('|'), 0, 0);
    font.pixelHeight = context.fontPixelHeight(row.size);
    font.color = toQColor(row.color);
    if (FaceCharset(context.surface.fonts(), font.face) == Charset::NotInstalled) {
        drawBars(context, row, font.color);
        return;
    }
    context.surface.DrawString(row.x + context.correctionX, row.y + context.correctionY, row.align,
                               row.vertical, row.w2, row.w, row.value);
}

} // namespace lccd
