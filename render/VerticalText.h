#pragma once

#include "render/PagePicture.h"

namespace lccd {

// How a character stands in a vertical column. Wide (full-width) characters stand upright,
// except the long vowel mark, dashes, tildes, ellipses and brackets, which turn to run along
// the column like the narrow characters; the ideographic comma and full stop move to the upper
// right of their cell. advance and pixelSize tell wide from narrow characters.
primitive::Text::Placement verticalPlacement(char16_t unit, int advance, int pixelSize);

} // namespace lccd
