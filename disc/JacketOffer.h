#pragma once

#include "disc/TrackRow.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// The picture a disc's folder or songs offer for its jacket while it has none: a cover file
// lying in the folder, else the front cover embedded in a song.
namespace lccd {

class CoverPictures;
struct DiscInfo;

struct JacketOffer {
    QString file;       // a picture file in the folder, taken as it is; else empty and
    QByteArray picture; // the bytes of a song's embedded front cover (a picture file's content)
    QString format;     // the picture's format as Qt names it ("jpeg", "png", ...)
    QString song;       // the song it is embedded in
};

// The folder's cover file: cover, folder and front, in this order, each .jpg before .png,
// letter case ignored.
std::optional<QString> folderCoverFile(const QString& folder);

// The folder's cover file, else the front cover of the first song (in the order given) that has
// one Qt can read; nothing when neither is there.
std::optional<JacketOffer> findJacketOffer(const QString& folder, const QStringList& songs,
                                           CoverPictures& covers);

// The offer for the disc while its jacket box is empty: from its folder and its listed songs.
std::optional<JacketOffer> jacketOfferFor(const DiscInfo& disc, const TrackRows& tracks,
                                          CoverPictures& covers);

// Where an embedded cover is written: beside its song, named after the album as the disc's files
// are ("cover" for a blank album title), with the extension of its format. A name taken by any
// file (or link) gets " (2)", " (3)", ... before the extension, so no file is ever replaced.
QString coverFilePath(const JacketOffer& offer, const QString& albumTitle);

} // namespace lccd
