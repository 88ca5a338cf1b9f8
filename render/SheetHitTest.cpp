#include "render/SheetHitTest.h"

#include <cmath>

namespace lccd {

QRectF SheetView::toScreen(const QRect& deviceBox) const {
    const QRectF box = QRectF(deviceBox).normalized();
    return QRectF(origin + box.topLeft() * scale, box.size() * scale);
}

QPoint SheetView::toLayoutDelta(QPointF screenDelta) const {
    if (scale <= 0 || dpiX <= 0 || dpiY <= 0)
        return {};
    return QPoint(int(std::lround(screenDelta.x() / scale * 254 / dpiX)),
                  int(std::lround(screenDelta.y() / scale * 254 / dpiY)));
}

QPointF SheetView::toDeviceDelta(QPointF layoutDelta) const {
    return QPointF(layoutDelta.x() * dpiX / 254.0, layoutDelta.y() * dpiY / 254.0);
}

QList<int> rowsAt(const std::vector<PlacedItem>& placed, QPointF at, const SheetView& view) {
    QList<int> rows;
    for (auto item = placed.rbegin(); item != placed.rend(); ++item) {
        const QRectF grip =
            view.toScreen(item->box).adjusted(-kGripPixels, -kGripPixels, kGripPixels, kGripPixels);
        if (grip.contains(at) && !rows.contains(item->row))
            rows.append(item->row);
    }
    return rows;
}

std::optional<QRect> placedBoxOf(const std::vector<PlacedItem>& placed, int row) {
    for (const PlacedItem& item : placed)
        if (item.row == row)
            return item.box;
    return std::nullopt;
}

QPointF handlePoint(const QRectF& screenBox, Edges handle) {
    const double x = handle & Edge::Left    ? screenBox.left()
                     : handle & Edge::Right ? screenBox.right()
                                            : screenBox.center().x();
    const double y = handle & Edge::Top      ? screenBox.top()
                     : handle & Edge::Bottom ? screenBox.bottom()
                                             : screenBox.center().y();
    return {x, y};
}

std::optional<Edges> handleAt(const QRectF& screenBox, const QList<Edges>& handles, QPointF at) {
    for (const Edges handle : handles) {
        const QPointF d = at - handlePoint(screenBox, handle);
        if (std::abs(d.x()) <= kGripPixels && std::abs(d.y()) <= kGripPixels)
            return handle;
    }
    return std::nullopt;
}

} // namespace lccd
