#include "render/TextItem.h"

#include "platform/Fonts.h"

namespace lccd {
namespace {

// Gives the canvas font the face when it is installed; false when it is not.
bool takeFace(FontSystem& fonts, CanvasFont& font, const QString& face) {
    const int charset = FaceCharset(fonts, face);
    if (charset == Charset::NotInstalled)
        return false;
    font.face = face;
    font.charset = charset;
    return true;
}

} // namespace

void drawTextRow(const ItemContext& context, const DecodedRow& row) {
    const int align = row.align > 4 ? Align::Left : row.align;
    QString primary = row.face;
    QString fallback = QStringLiteral("ＭＳ ゴシック");
    if (const qsizetype bar = row.face.indexOf(QLatin1Char('|')); bar >= 0) {
        primary = row.face.left(bar);
        fallback = row.face.mid(bar + 1);
    }
    CanvasFont& font = context.surface.pageCanvas()->font();
    FontSystem& fonts = context.surface.fonts();
    if (!takeFace(fonts, font, primary))
        takeFace(fonts, font, fallback);
    font.pixelHeight = context.fontPixelHeight(row.size);
    font.color = toQColor(row.color);
    context.surface.DrawString(row.x + context.correctionX, row.y + context.correctionY, align,
                               row.vertical, row.w2, row.w, row.value);
}

} // namespace lccd
