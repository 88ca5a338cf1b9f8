#pragma once

#include "layout/DecodedRow.h"
#include "render/ItemContext.h"

#include <QImage>
#include <QSize>

#include <optional>

namespace lccd {

// The size an image of iw × ih pixels takes in a box of bw × bh: its aspect kept, the box
// width filled unless that makes it taller than the box (32-bit float arithmetic, truncated).
QSize FitImage(int iw, int ih, int bw, int bh);

// The picture of an image file as the page takes it: 24-bit pixels, transparent parts on
// white. Nothing for a missing or undecodable file, or one whose pixels would take over 256 MB;
// a ".bmp" file is read as a bitmap directly, and one that exists but cannot be read throws
// AppError. Never writes a file.
std::optional<QImage> loadRowImage(const QString& path);

// An image row: the picture fitted into the box (左, 上, 幅, 高) at its top-left corner.
void drawImageRow(const ItemContext& context, const DecodedRow& row);

} // namespace lccd
