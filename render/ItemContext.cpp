#include "render/ItemContext.h"

#include "common/Rounding.h"

namespace lccd {

int ItemContext::pointsToPixels(double points) const {
    return RoundHalfAway(dpiX * points / 72.0);
}

int ItemContext::fontPixelHeight(double points) const {
    return qAbs(pointsToPixels(points));
}

} // namespace lccd
