#include "render/ParagraphItem.h"

#include "common/FileHelpers.h"
#include "common/Numbers.h"
#include "common/Rounding.h"
#include "platform/BlankTrim.h"
#include "platform/CodePage.h"
#include "platform/FileIO.h"
#include "platform/Fonts.h"
#include "render/DrawingPass.h"
#include "render/RenderLog.h"
#include "render/WrapEngine.h"

#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>

namespace lccd {
namespace {

const char* const kHeaderKeys[] = {"SUBTITLE2:", "SUBTITLE1:", "TITLE:", "PERFORMER:", "DISCID:",
                                   "CATALOG:",   "GENRE:",     "DATE:",  "JACKET:"};

bool isHeaderLine(const QByteArray& line) {
    const QByteArray upper = line.left(10).toUpper();
    for (const char* key : kHeaderKeys)
        if (upper.startsWith(key))
            return true;
    return false;
}

// Layout units as screen pixels (1 stays 1, anything else at least 1).
int LayoutToScreen(int v, int screenDpi) {
    if (v == 1)
        return 1;
    return qMax(1, RoundHalfAway(screenDpi / 254.0 * v));
}

// Points as a character height in pixels at a resolution.
int pointsToPixelHeight(int points, int dpi) {
    return RoundHalfAway(points * dpi / 72.0);
}

// The text without its trailing control characters, blanks and ideographic spaces.
QByteArray withoutTrailingBlanks(const QByteArray& text) {
    qsizetype end = 0;
    for (qsizetype i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const bool lead = isSjisLeadByte(byte) && i + 1 < text.size();
        const bool blank = lead ? byte == 0x81 && text[i + 1] == '\x40' : byte < 33;
        i += lead ? 2 : 1;
        if (!blank)
            end = i;
    }
    return text.left(end);
}

void DrawParagraphItem(const ItemContext& context, DrawingPassObserver& observer,
                       const QByteArray& text, const DecodedRow& row, double spacing) {
    const QByteArray trimmed = withoutTrailingBlanks(text);
    if (trimmed.isEmpty())
        return;
    observer.paragraphStarted();

    SheetSurface& surface = context.surface;
    CanvasFont& font = surface.pageCanvas()->font();
    const int points = surface.pageCanvas()->fontSizeInPoints();
    const int screenDpi = context.screenDpi;
    const TextMetrics screenMetrics = surface.fonts().metrics(
        {font.face, pointsToPixelHeight(points, screenDpi), font.bold, font.italic});
    const int extent = LayoutToScreen(row.vertical ? row.h : row.w, screenDpi);
    const int wrapByte = extent / qMax(1, screenMetrics.averageCharWidth);
    const QList<WrappedRow> rows = wrapText(trimmed, paragraphWrapOption(wrapByte));

    QList<QByteArray> shown;
    for (const WrappedRow& wrapped : rows)
        shown.append(wrapped.bytes);
    observer.paragraphWrapped(fromSjis(shown.join('\n')), font.face, points, font.color);

    const int pitch = PointsToLayout(spacing);
    // The print corrections move the paragraph as they move every other row.
    const int x = row.x + context.correctionX;
    const int y = row.y + context.correctionY;
    font.pixelHeight = pointsToPixelHeight(points, surface.printerDpiY());
    const QString face = font.face;
    const int charset = font.charset;
    // Each row starts from the paragraph font again: DrawString leaves a narrowed font behind.
    auto paragraphFont = [&] {
        font.face = face;
        font.charset = charset;
    };
    if (!row.vertical) {
        for (qsizetype i = 0; i < rows.size() && (i + 1) * pitch <= row.h; ++i) {
            paragraphFont();
            surface.DrawString(x, y + int(i) * pitch, Align::Left, false, 0, row.w,
                               fromSjis(shown[i]));
        }
        return;
    }
    int column = x + row.w - PointsToLayout(points);
    for (qsizetype i = 0; i < rows.size() && column > x; ++i, column -= pitch) {
        paragraphFont();
        surface.DrawString(column, y, Align::Left, true, 0, row.h, fromSjis(shown[i]));
    }
}

} // namespace

int PointsToLayout(double points) {
    if (points == 1)
        return 1;
    return qMax(1, RoundHalfAway(points * 254 / 72));
}

QByteArray StripProjectHeader(const QList<QByteArray>& lines) {
    QList<QByteArray> kept;
    for (const QByteArray& line : lines)
        if (trimBlanks(line).isEmpty() || !isHeaderLine(line))
            kept.append(line);
    return joinLinesCrLf(kept);
}

QList<QByteArray> readParagraphLines(const QByteArray& file) {
    if (file.startsWith("\xFF\xFE"))
        return splitLines(toSjis(QStringDecoder(QStringDecoder::Utf16LE)(file.mid(2))));
    if (file.startsWith("\xFE\xFF"))
        return splitLines(toSjis(QStringDecoder(QStringDecoder::Utf16BE)(file.mid(2))));
    if (file.startsWith("\xEF\xBB\xBF"))
        return splitLines(toSjis(QString::fromUtf8(file.mid(3))));
    return splitLines(file);
}

void drawParagraphRow(const ItemContext& context, DrawingPassObserver& observer,
                      const DecodedRow& row) {
    if (!QFileInfo(row.value).isFile()) {
        qCDebug(lcRender) << "no paragraph file" << row.value;
        return;
    }
    const double spacing = std::clamp(parseDecimal(row.spacingText).value_or(13.5),
                                      -kMaxDecodedPoints, kMaxDecodedPoints);
    if (FileSizeOf(row.value) < 2)
        return;
    const QByteArray text = StripProjectHeader(readParagraphLines(readWholeFile(row.value)));

    // The item dialog stores a face with its fallback after "|"; the face chosen is the first.
    const QString face = row.face.section(QLatin1Char('|'), 0, 0);
    CanvasFont& font = context.surface.pageCanvas()->font();
    font.face = face;
    font.pixelHeight = context.fontPixelHeight(row.size);
    font.color = toQColor(row.color);
    if (const int charset = FaceCharset(context.surface.fonts(), face);
        charset != Charset::NotInstalled)
        font.charset = charset;
    DrawParagraphItem(context, observer, text, row, spacing);
}

} // namespace lccd
