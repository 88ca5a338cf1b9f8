#include "disc/JacketOffer.h"

#include "disc/DiscInfo.h"
#include "disc/DiscPaths.h"
#include "platform/CoverPictures.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>

namespace lccd {
namespace {

// The format of a picture Qt can read; empty for anything else.
QString readableFormat(const QByteArray& picture) {
    QBuffer buffer;
    buffer.setData(picture);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    return reader.canRead() ? QString::fromLatin1(reader.format()) : QString();
}

bool nameTaken(const QString& path) {
    const QFileInfo file(path);
    return file.exists() || file.isSymLink(); // a dangling link would be written through
}

} // namespace

std::optional<QString> folderCoverFile(const QString& folder) {
    const QStringList entries = QDir(folder).entryList(QDir::Files);
    for (const char* base : {"cover", "folder", "front"})
        for (const char* extension : {".jpg", ".png"}) {
            const QString wanted = QLatin1String(base) + QLatin1String(extension);
            for (const QString& entry : entries)
                if (entry.compare(wanted, Qt::CaseInsensitive) == 0)
                    return pathInFolder(folder, entry);
        }
    return std::nullopt;
}

std::optional<JacketOffer> findJacketOffer(const QString& folder, const QStringList& songs,
                                           CoverPictures& covers) {
    if (const std::optional<QString> file = folderCoverFile(folder))
        return JacketOffer{*file, {}, {}, {}};
    for (const QString& song : songs) {
        const QByteArray picture = covers.frontCover(song);
        if (const QString format = readableFormat(picture); !format.isEmpty())
            return JacketOffer{{}, picture, format, song};
    }
    return std::nullopt;
}

std::optional<JacketOffer> jacketOfferFor(const DiscInfo& disc, const TrackRows& tracks,
                                          CoverPictures& covers) {
    if (!disc.jacketBoxText.trimmed().isEmpty() || !QFileInfo(disc.folderPath).isDir())
        return std::nullopt;
    QStringList songs;
    for (const TrackRow& track : tracks) {
        if (isTitleEmptyTrimmed(track.title))
            break;
        if (!track.fileName.isEmpty())
            songs.append(songFilePath(disc.folderPath, track.fileName));
    }
    return findJacketOffer(disc.folderPath, songs, covers);
}

QString coverFilePath(const JacketOffer& offer, const QString& albumTitle) {
    const QString folder = QFileInfo(offer.song).absolutePath();
    const QString base = albumTitle.trimmed().isEmpty() ? QStringLiteral("cover")
                                                        : fileNameOfTitle(albumTitle.trimmed());
    const QString extension = offer.format == QLatin1String("jpeg")
                                  ? QStringLiteral(".jpg")
                                  : QLatin1Char('.') + offer.format;
    QString path = pathInFolder(folder, base + extension);
    for (int number = 2; nameTaken(path); ++number)
        path =
            pathInFolder(folder, QStringLiteral("%1 (%2)%3").arg(base).arg(number).arg(extension));
    return path;
}

} // namespace lccd
