#include "layout/LabelProduct.h"

namespace lccd {

int LabelProduct::labelCount() const {
    int count = 0;
    for (const LabelGrid& grid : frame.grids)
        count += grid.nx * grid.ny;
    return count;
}

QList<QRectF> LabelProduct::labelBoxes() const {
    QList<QRectF> boxes;
    for (const LabelGrid& grid : frame.grids)
        for (int row = 0; row < grid.ny; ++row)
            for (int column = 0; column < grid.nx; ++column)
                boxes.append(QRectF(QPointF(grid.x0 + column * grid.dx, grid.y0 + row * grid.dy),
                                    frame.size));
    return boxes;
}

bool LabelProduct::isDiscProduct() const {
    return frame.shape == LabelShape::Disc || categories.contains(QLatin1String("media"));
}

} // namespace lccd
