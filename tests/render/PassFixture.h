#pragma once

#include "render/DrawingPass.h"

#include "platform/adapters/QtFonts.h"
#include "tests/support/FakeFonts.h"
#include "tests/support/FakePrinters.h"
#include "tests/support/PassRecorder.h"

#include <gtest/gtest.h>

namespace lccd::test {

// A surface on the fake 600-dpi printer, inputs whose paper list is the printer's with its
// first paper selected, and a pass whose news are recorded. Text is measured with the desktop's
// fonts, or with fonts of fixed metrics (FakeFonts) for a fixture that asks for them.
class PassTest : public ::testing::Test {
protected:
    enum class Fonts { Desktop, Fixed };

    explicit PassTest(Fonts measuredWith = Fonts::Desktop)
        : surface(printers,
                  measuredWith == Fonts::Fixed ? static_cast<FontSystem&>(fonts) : desktopFonts) {
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
    FakeFonts fonts;
    QtFontSystem desktopFonts;
    SheetSurface surface;
    SheetInputs inputs;
    PassRecorder recorder;
    LayoutDrawingPass pass{surface, recorder};
};

} // namespace lccd::test
