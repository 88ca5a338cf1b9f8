#include "disc/Disc.h"

#include "disc/DiscPaths.h"
#include "disc/PlayingTime.h"

namespace lccd {
namespace {

// The file whose playing time counts for the row.
QString songFileOf(const DiscInfo& disc, const TrackRow& track) {
    return existingFileInFolder(disc.folderPath, lastPathComponent(track.fileName))
        .value_or(pathInFolder(disc.folderPath, track.title));
}

} // namespace

void Disc::clear() {
    info.jacketBoxText.clear();
    for (QString* field : {&info.albumTitle, &info.discPerformer, &info.subtitle1, &info.subtitle2,
                           &info.discId, &info.catalog, &info.releaseYear})
        field->clear();
    info.selectGenreEntry();
    info.spellings.clear();
    tracks.fill(TrackRow());
    loadedSongs.clear();
}

void Disc::rememberSongs(int firstRow, bool fromProject) {
    for (int songNumber = firstRow; songNumber <= kTrackRowCount; ++songNumber)
        if (const TrackRow& row = track(songNumber); !row.fileName.isEmpty())
            loadedSongs.insert(row.fileName, {row, fromProject});
}

int songCount(const TrackRows& tracks) {
    int count = 0;
    while (count < kTrackRowCount && !isTitleEmptyRaw(tracks[std::size_t(count)].title))
        ++count;
    return count;
}

DiscTotal discTotal(const Disc& disc, SongLengths& lengths) {
    DiscTotal total;
    total.songs = songCount(disc.tracks);
    for (int songNumber = 1; songNumber <= total.songs; ++songNumber) {
        const TrackRow& track = disc.track(songNumber);
        const std::optional<PlayingTime> measured =
            QueryPlayingTime(lengths, songFileOf(disc.info, track));
        total.seconds += measured ? measured->seconds : ParsePlayingTime(track.time);
    }
    return total;
}

QString discTotalText(const DiscTotal& total) {
    return QStringLiteral("曲数= %1 総時間=%2時間 %3分 %4秒")
        .arg(total.songs)
        .arg(total.seconds / 3600)
        .arg(total.seconds % 3600 / 60)
        .arg(total.seconds % 60);
}

} // namespace lccd
