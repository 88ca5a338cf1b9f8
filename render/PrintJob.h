#pragma once

#include "render/SheetSurface.h"

namespace lccd {

// Prints the surface's recorded page in copies: one job with a copy count when the printer's
// settings carry one, else one job per copy. Returns whether every job was printed.
bool PrintCopies(SheetSurface& surface, int copies);

} // namespace lccd
