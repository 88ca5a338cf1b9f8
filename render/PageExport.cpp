#include "render/PageExport.h"

#include "platform/AppError.h"
#include "platform/FileIO.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>

namespace lccd {

// Both exports are made in memory first: the file is replaced only by a complete document.
void exportPagePdf(const PagePicture& page, const QString& path, bool withScreenOnly) {
    if (page.dpi() <= 0)
        throw AppError::cannotCreate(path);
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    const QSizeF millimetres = QSizeF(page.nominalSize()) * 25.4 / page.dpi();
    QPdfWriter writer(&pdf);
    writer.setPageSize(QPageSize(millimetres, QPageSize::Millimeter));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(page.dpi());
    writer.setCreator(QStringLiteral("lccdtool"));
    QPainter painter;
    if (!painter.begin(&writer))
        throw AppError::cannotCreate(path);
    painter.translate(page.printableOrigin());
    page.replay(painter, withScreenOnly);
    if (!painter.end())
        throw AppError::cannotCreate(path);
    writeFileAtomically(path, pdf.data());
}

void exportPagePng(const PagePicture& page, int dpi, const QString& path, bool withScreenOnly) {
    if (page.dpi() <= 0 || dpi <= 0)
        throw AppError::cannotCreate(path);
    const double scale = double(dpi) / page.dpi();
    QImage image((QSizeF(page.nominalSize()) * scale).toSize(), QImage::Format_RGB32);
    if (image.isNull())
        throw AppError::cannotCreate(path);
    image.fill(Qt::white);
    image.setDotsPerMeterX(int(dpi / 0.0254));
    image.setDotsPerMeterY(int(dpi / 0.0254));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    painter.translate(page.printableOrigin());
    page.replay(painter, withScreenOnly);
    painter.end();
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    if (!image.save(&png, "PNG"))
        throw AppError::cannotCreate(path);
    writeFileAtomically(path, png.data());
}

} // namespace lccd
