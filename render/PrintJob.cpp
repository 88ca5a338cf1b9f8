#include "render/PrintJob.h"

namespace lccd {

bool PrintCopies(TLcPrnPrev& surface, int copies) {
    const std::optional<DeviceSettings> settings = printers().deviceSettings();
    if (settings && settings->declaresCopies)
        return surface.PrintPages(copies);
    bool printed = true;
    for (int i = 0; i < copies; ++i)
        printed = surface.PrintPages(1) && printed;
    return printed;
}

} // namespace lccd
