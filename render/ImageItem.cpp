#include "render/ImageItem.h"

#include "platform/AppError.h"
#include "render/RenderLog.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

namespace lccd {

QSize FitImage(int iw, int ih, int bw, int bh) {
    if (iw <= 0 || ih <= 0)
        return {};
    const float ratio = float(ih) / float(iw);
    float dw = float(bw);
    float dh = float(bw) * ratio;
    if (float(bh) < dh) {
        dh = float(bh);
        dw = float(bh) / ratio;
    }
    return QSize(int(dw), int(dh));
}

namespace {

// A picture whose decoded pixels would take more than this is refused before any is decoded, so
// that a header declaring 60000 × 60000 pixels costs nothing.
constexpr int kImageAllocationLimitMb = 256;

QImage flattenOnWhite(const QImage& image) {
    if (!image.hasAlphaChannel())
        return image.convertToFormat(QImage::Format_RGB888);
    QImage flat(image.size(), QImage::Format_RGB888);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, image);
    painter.end();
    return flat;
}

} // namespace

std::optional<QImage> loadRowImage(const QString& path) {
    const QFileInfo file(path);
    if (!file.isFile())
        return std::nullopt;
    const bool bitmap = file.suffix().compare(QLatin1String("bmp"), Qt::CaseInsensitive) == 0;
    QImageReader reader(path, bitmap ? QByteArray("bmp") : QByteArray());
    reader.setAllocationLimit(kImageAllocationLimitMb);
    QImage image;
    if (!reader.read(&image)) {
        if (bitmap)
            throw AppError(
                QStringLiteral("ビットマップ イメージは有効ではありません: %1").arg(path));
        return std::nullopt;
    }
    if (image.isNull())
        return std::nullopt;
    return flattenOnWhite(image);
}

void drawImageRow(const ItemContext& context, const DecodedRow& row) {
    const std::optional<QImage> image = loadRowImage(row.value);
    if (!image) {
        qCDebug(lcRender) << "no picture to draw from" << row.value;
        return;
    }
    SheetSurface& surface = context.surface;
    const int left = surface.ToDeviceX(row.x + context.correctionX) - surface.PrintOffsetX();
    const int top = surface.ToDeviceY(row.y + context.correctionY) - surface.PrintOffsetY();
    const QSize fitted = FitImage(image->width(), image->height(), surface.ToDeviceX(row.w),
                                  surface.ToDeviceY(row.h));
    if (fitted.isEmpty())
        return;
    surface.pageCanvas()->StretchBitmap(QRect(QPoint(left, top), fitted), *image);
}

} // namespace lccd
