#pragma once

#include "common/ColorText.h"
#include "layout/LayoutItem.h"

#include <QString>

#include <optional>

// A layout row decoded for drawing: every value the drawing pass uses, with its default.
namespace lccd {

// The value that starts the value of every label guide row.
inline const QString kGuideValuePrefix = QStringLiteral("ガイド");

// Decoded numbers stay within what a page can use, so that a row asking for coordinates at the
// integer limits or for a font of 1e30 points draws nothing visible instead of overflowing the
// drawing arithmetic: positions and lengths within ±1 000 000 layout units (100 m), sizes and
// line spacings within ±1500 points (53 cm).
constexpr int kMaxDecodedCoordinate = 1000000;
constexpr double kMaxDecodedPoints = 1500;

struct DecodedRow {
    std::optional<ItemKind> kind; // nothing: the row is ignored
    bool print = false;
    // A label guide: a rectangle row marked for the screen (画面 Yes) whose value names it a
    // guide ("ガイド ..."). With print off it shows in the preview only; any other row appears
    // in the preview exactly when it is printed.
    bool guide = false;
    int x = 100; // 0.1 mm; 100 whenever a field is no integer
    int y = 100;
    int w = 100;
    int h = 100;
    int w2 = 100;
    int align = Align::Left;
    bool vertical = false;
    QString spacingText; // line spacing in points, as written
    QString value;
    QString face;
    float size = 9; // points
    ColorValue color = kColorBlack;
    ColorValue fill = kColorBlack;

    bool operator==(const DecodedRow&) const = default;
};

// Decodes a row line as the drawing pass reads it (fields through CsvFieldW; the spacing and
// the value lose one more pair of enclosing quotes).
DecodedRow decodeRow(const QString& rowLine);

// The same for a row held in the list: decoded as from its row line, field by field.
DecodedRow decodeRow(const LayoutItem& item);

} // namespace lccd
