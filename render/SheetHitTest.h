#pragma once

#include "layout/RowGeometry.h"
#include "render/PagePicture.h"

#include <QList>
#include <QPointF>
#include <QRectF>

#include <optional>

// Finding the rows and handles under a point of the preview, without any window.
namespace lccd {

// How the preview shows the page: printer pixel p of the printable area lands on
// origin + scale × p on screen; the printer's resolution turns pixels into layout units.
struct SheetView {
    QPointF origin;
    double scale = 1;
    int dpiX = 0;
    int dpiY = 0;

    QRectF toScreen(const QRect& deviceBox) const;
    // A distance on screen in layout units, to the nearest 0.1 mm.
    QPoint toLayoutDelta(QPointF screenDelta) const;
    // A distance in layout units as printer pixels.
    QPointF toDeviceDelta(QPointF layoutDelta) const;
};

// How near a box or handle the pointer must be to take it, in screen pixels.
constexpr double kGripPixels = 4;

// The rows whose placed box is under the point, topmost (drawn last) first, each once.
QList<int> rowsAt(const std::vector<PlacedItem>& placed, QPointF at, const SheetView& view);

// The row's box as placed, or nothing when the pass did not place it.
std::optional<QRect> placedBoxOf(const std::vector<PlacedItem>& placed, int row);

// Where a handle sits on a box on screen: a corner, or the middle of a side.
QPointF handlePoint(const QRectF& screenBox, Edges handle);

// The handle under the point, of those given.
std::optional<Edges> handleAt(const QRectF& screenBox, const QList<Edges>& handles, QPointF at);

} // namespace lccd
