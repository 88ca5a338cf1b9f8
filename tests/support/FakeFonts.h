#pragma once

#include "platform/Fonts.h"

namespace lccd::test {

// Fonts with fixed metrics, so text arithmetic can be checked exactly: at pixel size p a code
// unit below 0x80 is p/2 wide and any other p wide; the cell is p + p/4 high with the baseline
// at p; the average character width is p/2.
class FakeFonts : public FontSystem {
public:
    FakeFonts();

    QList<InstalledFace> faces;

    const QList<InstalledFace>& installedFaces() override { return faces; }
    TextMetrics metrics(const FontRequest& font) override;
    QList<int> advances(const FontRequest& font, QStringView text) override;
};

} // namespace lccd::test
