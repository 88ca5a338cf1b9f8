#pragma once

#include "render/DrawingPass.h"

#include "tests/support/FakePrinters.h"
#include "tests/support/PassRecorder.h"

#include <gtest/gtest.h>

namespace lccd::test {

// A surface on the fake 600-dpi printer, inputs whose paper list is the printer's with its
// first paper selected, and a pass whose news are recorded.
class PassTest : public ::testing::Test {
protected:
    PassTest() {
        PrinterInfo info;
        surface.GetPrinterInfo(info);
        inputs.paperNames = info.paperNames;
        inputs.selectedPaperIndex = 0;
        inputs.printerDpiX = 600;
    }

    // Records the given row lines as one page.
    const std::vector<Primitive>& draw(const QStringList& lines) {
        surface.NewPage();
        for (const QString& line : lines)
            pass.DrawLayoutItem(line, inputs);
        surface.EndPage();
        return surface.currentPage()->primitives();
    }

    FakePrinters printers;
    SheetSurface surface{printers};
    SheetInputs inputs;
    PassRecorder recorder;
    LayoutDrawingPass pass{surface, recorder};
};

} // namespace lccd::test
