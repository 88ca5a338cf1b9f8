#include "render/PrintJob.h"

namespace lccd {

void PrintCopies(TLcPrnPrev& surface, int copies) {
    const std::optional<DeviceSettings> settings = printers().deviceSettings();
    if (settings && settings->declaresCopies) {
        surface.PrintPages(copies);
        return;
    }
    for (int i = 0; i < copies; ++i)
        surface.PrintPages(1);
}

} // namespace lccd
