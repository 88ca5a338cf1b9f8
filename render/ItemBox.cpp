#include "render/ItemBox.h"

#include "layout/RowGeometry.h"

namespace lccd {

QRect placedBox(const ItemContext& context, const DecodedRow& row) {
    const SheetSurface& surface = context.surface;
    const RowSpan span = rowSpan(row);
    auto deviceX = [&](int x) {
        return surface.ToDeviceX(x + context.correctionX) - surface.PrintOffsetX();
    };
    auto deviceY = [&](int y) {
        return surface.ToDeviceY(y + context.correctionY) - surface.PrintOffsetY();
    };
    QRect box(QPoint(deviceX(span.left), deviceY(span.top)),
              QPoint(deviceX(span.right), deviceY(span.bottom)));
    if (row.kind == ItemKind::Text || row.kind == ItemKind::Barcode) {
        const int across = context.fontPixelHeight(row.size);
        if (row.vertical)
            box.setRight(box.left() + across);
        else
            box.setBottom(box.top() + across);
    }
    return box;
}

} // namespace lccd
