#include "render/PageExport.h"

#include "platform/AppError.h"

#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace lccd {
namespace {

void commit(QSaveFile& file, bool written) {
    if (!written || !file.commit())
        throw AppError::cannotCreate(file.fileName());
}

} // namespace

void ExportPagePdf(const PagePicture& page, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || page.dpi() <= 0)
        throw AppError::cannotCreate(path);
    const QSizeF millimetres = QSizeF(page.nominalSize()) * 25.4 / page.dpi();
    QPdfWriter writer(&file);
    writer.setPageSize(QPageSize(millimetres, QPageSize::Millimeter));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(page.dpi());
    writer.setCreator(QStringLiteral("lccdtool"));
    QPainter painter;
    bool written = painter.begin(&writer);
    if (written) {
        painter.translate(page.printableOrigin());
        page.replay(painter);
        written = painter.end();
    }
    commit(file, written);
}

void ExportPagePng(const PagePicture& page, int dpi, const QString& path) {
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
    page.replay(painter);
    painter.end();
    QSaveFile file(path);
    commit(file, file.open(QIODevice::WriteOnly) && image.save(&file, "PNG"));
}

} // namespace lccd
