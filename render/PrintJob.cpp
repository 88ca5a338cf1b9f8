#include "render/PrintJob.h"

namespace lccd {

bool PrintCopies(SheetSurface& surface, int copies) {
    if (surface.printerDeclaresCopies())
        return surface.PrintPages(copies);
    bool printed = true;
    for (int i = 0; i < copies; ++i)
        printed = surface.PrintPages(1) && printed;
    return printed;
}

} // namespace lccd
