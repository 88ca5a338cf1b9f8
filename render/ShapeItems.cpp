#include "render/ShapeItems.h"

namespace lccd {
namespace {

PageCanvas& preparePen(const ItemContext& context, const DecodedRow& row) {
    PageCanvas& canvas = *context.surface.pageCanvas();
    canvas.setPenColor(toQColor(row.color));
    canvas.setPenWidth(context.pointsToPixels(row.size));
    canvas.setPenStyle(Qt::SolidLine);
    return canvas;
}

} // namespace

void drawRectangleRow(const ItemContext& context, const DecodedRow& row) {
    PageCanvas& canvas = preparePen(context, row);
    if (row.fill == kColorWhite)
        canvas.setBrushClear();
    else
        canvas.setBrushColor(toQColor(row.fill));

    SheetSurface& surface = context.surface;
    const int x1 = row.x + context.correctionX;
    const int y1 = row.y + context.correctionY;
    const int x2 = row.w + context.correctionX;
    const int y2 = row.h + context.correctionY;
    switch (row.align) {
    case Align::RoundRect:
        surface.RoundRect(x1, y1, x2, y2, row.w2, row.w2);
        break;
    case Align::Ellipse:
        surface.Ellipse(x1, y1, x2, y2);
        break;
    default:
        surface.Rectangle(x1, y1, x2, y2);
        break;
    }
}

void drawRuleLineRow(const ItemContext& context, const DecodedRow& row) {
    PageCanvas& canvas = preparePen(context, row);
    canvas.setBrushColor(toQColor(row.fill));
    context.surface.MoveTo(row.x + context.correctionX, row.y + context.correctionY);
    context.surface.LineTo(row.w + context.correctionX, row.h + context.correctionY);
}

} // namespace lccd
