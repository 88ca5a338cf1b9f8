#pragma once

#include "render/DrawingPass.h"

#include "tests/support/FakePassHost.h"
#include "tests/support/FakePrinters.h"

#include <gtest/gtest.h>

namespace lccd::test {

// A surface on the fake 600-dpi printer, a host whose paper list is the printer's, and a pass.
class PassTest : public ::testing::Test {
protected:
    PassTest() {
        PrinterInfo info;
        surface.GetPrinterInfo(info);
        host.papers = info.paperNames;
    }

    // Records the given row lines as one page.
    const std::vector<Primitive>& draw(const QStringList& lines) {
        surface.NewPage();
        for (const QString& line : lines)
            pass.DrawLayoutItem(line);
        surface.EndPage();
        return surface.currentPage()->primitives();
    }

    FakePrinters printers;
    TLcPrnPrev surface;
    FakePassHost host;
    LayoutDrawingPass pass{surface, host};
};

} // namespace lccd::test
