// The surface's text routine: one line of text in a box, horizontal or vertical, aligned,
// spread or squeezed, each UTF-16 code unit measured and drawn on its own.
#include "render/SheetSurface.h"

#include "common/Rounding.h"
#include "platform/CodePage.h"
#include "platform/Fonts.h"
#include "render/LineLayout.h"
#include "render/VerticalText.h"

#include <numeric>

namespace lccd {
namespace {

// The longest face name the font record holds, in Shift-JIS bytes.
constexpr qsizetype kFaceNameBytes = 31;

int recordCharset(const QString& face, int canvasCharset) {
    if (face == QLatin1String("i-JapanPost"))
        return Charset::Ansi;
    if (face == QLatin1String("KS P Gothic") || face == QLatin1String("KS Gothic"))
        return Charset::Hangul;
    return canvasCharset;
}

} // namespace

void SheetSurface::DrawString(int x, int y, int align, bool vertical, int w2, int w,
                              const QString& text) {
    CanvasFont& canvasFont = canvas_->font();
    QString face = canvasFont.face;
    int W = 0;
    int W2 = 0;
    if (vertical) {
        if (!face.startsWith(QLatin1Char('@')))
            face.prepend(QLatin1Char('@'));
        W = ToDeviceY(w);
        W2 = ToDeviceY(w2);
    } else {
        if (face.startsWith(QLatin1Char('@')))
            face.remove(0, 1);
        W = ToDeviceX(w);
        W2 = ToDeviceX(w2);
    }
    // The font is made from the face as its record holds it, so a long name draws the same in
    // this row as in the rows that inherit it.
    face = cutToSjisBytes(face, kFaceNameBytes);
    // The vertical "@" variant is drawn by turning the face's own glyphs.
    const QString family = vertical ? face.mid(1) : face;
    const FontRequest request{family, canvasFont.pixelHeight, canvasFont.bold, canvasFont.italic};
    const TextMetrics metrics = fonts_.metrics(request);

    QString line = text.left(kMaxDrawnCharacters);
    if (vertical)
        line.replace(QChar(u'－'), QChar(u'─'));

    const QList<int> advances = fonts_.advances(request, line);
    const int total = saturatedInt(double(std::accumulate(advances.begin(), advances.end(), 0LL)));
    const LineLayout layout = alignLine(align, W, W2, total, int(line.size()));

    // The narrowed font: width 0 means the natural width.
    const int width = RoundHalfAway(metrics.averageCharWidth * double(layout.scale));
    const double widthFactor =
        width > 0 && metrics.averageCharWidth > 0 ? double(width) / metrics.averageCharWidth : 1.0;

    primitive::Text glyph;
    glyph.family = fonts_.familyOf(family);
    glyph.pixelSize = canvasFont.pixelHeight;
    glyph.ascent = metrics.ascent;
    glyph.cellHeight = metrics.cellHeight;
    glyph.widthFactor = widthFactor;
    glyph.bold = canvasFont.bold;
    glyph.italic = canvasFont.italic;
    glyph.underline = canvasFont.underline;
    glyph.strikeOut = canvasFont.strikeOut;
    glyph.color = canvasFont.color;

    const int startX = ToDeviceX(x) - PrintOffsetX();
    const int startY = ToDeviceY(y) - PrintOffsetY();
    const QList<int> positions = characterPositions(advances, layout);
    for (qsizetype i = 0; i < line.size(); ++i) {
        const char16_t unit = line[i].unicode();
        glyph.character = QString(QChar(unit));
        glyph.advance = advances[i];
        if (vertical) {
            glyph.origin = QPoint(startX, startY + positions[i]);
            glyph.placement = verticalPlacement(unit, advances[i], canvasFont.pixelHeight);
        } else {
            glyph.origin = QPoint(startX + positions[i], startY);
            glyph.placement = primitive::Text::Placement::Horizontal;
        }
        canvas_->drawCharacter(glyph);
    }

    // The font the call leaves selected: its face and character set stay with the canvas.
    canvasFont.face = face;
    canvasFont.charset = recordCharset(face, canvasFont.charset);
}

} // namespace lccd
