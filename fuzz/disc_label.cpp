#include "disc/DiscInfo.h"
#include "disc/DiscLabelPlacement.h"
#include "disc/LabelLayout.h"
#include "fuzz/FuzzInput.h"
#include "platform/CodePage.h"

#include <cmath>

namespace {

// Within this distance of the sheet's origin (layout units) placing a row cannot push any of
// its coordinates past what a row may hold, so every row keeps its place relative to the disc.
constexpr int kNearby = 400000;

bool nearby(const QRect& box) {
    return std::abs(box.left()) <= kNearby && std::abs(box.right()) <= kNearby &&
           std::abs(box.top()) <= kNearby && std::abs(box.bottom()) <= kNearby;
}

} // namespace

// A label template of any bytes, filled for a disc as the save fills it, on its own sheet and on
// a label product. Every row placed on the product keeps its place on the disc: it lies within
// the disc label, which is centred on the product's label.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lccd;
    QStringList lines;
    for (const QByteArray& line :
         splitLines(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size))))
        lines.append(fromSjisLossless(line));
    DiscInfo disc;
    disc.albumTitle = QStringLiteral("夏, \"海\"");
    TrackRows tracks;
    tracks[0].check = QStringLiteral("1");
    tracks[0].title = QStringLiteral("Song");
    labelLayoutLines(lines, disc, tracks);
    const DiscLabelSheet product{{}, QPointF(1047.4, 805.6), {}};
    labelLayoutLines(lines, disc, tracks, &product);

    const std::optional<QRect> area = discLabelArea(lines);
    const QStringList placed = placeDiscLabel(lines, product.labelCentre);
    fuzz::require(placed.size() <= lines.size(), "only the template's rows are placed");
    if (!area || !nearby(*area))
        return 0;
    const QPointF centre((area->left() + area->right()) / 2.0,
                         (area->top() + area->bottom()) / 2.0);
    const QPoint shift(int(std::lround(product.labelCentre.x() - centre.x())),
                       int(std::lround(product.labelCentre.y() - centre.y())));
    for (const QString& row : placed) {
        const std::optional<QRect> extent = rowExtent(row);
        fuzz::require(extent && area->translated(shift).contains(*extent),
                      "a placed row lies on the disc label");
    }
    return 0;
}
