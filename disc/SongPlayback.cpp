#include "disc/SongPlayback.h"

#include "audio/CdFormat.h"
#include "audio/CdTrackAudio.h"
#include "platform/AppError.h"

namespace lccd {
namespace {

constexpr qint64 kJoinBytes = qint64(kJoinSeconds) * kCdSectorsPerSecond * kCdSectorBytes;

TrackSource sourceOf(const DiscSong& song) {
    return {song.path, song.segment};
}

} // namespace

std::unique_ptr<CdTrackAudio> openPlaybackTrack(AudioDecoder& decoder, const TrackSource& song) {
    return std::make_unique<CdTrackAudio>(decoder, song);
}

QList<PlaybackPiece> songPlayback(const DiscSong& song) {
    return {{sourceOf(song)}};
}

QList<PlaybackPiece> joinPlayback(const DiscSong& song, const DiscSong& next, bool gaps) {
    return {{sourceOf(song), -kJoinBytes},
            {std::nullopt, 0, gaps ? qint64(kCdGapSectors) * kCdSectorBytes : 0},
            {sourceOf(next), 0, kJoinBytes}};
}

void levelPlayback(QList<PlaybackPiece>& pieces, QList<TrackSource> discSongs,
                   const TrackLevelling& levelling) {
    if (!levelling)
        return;
    levelling(discSongs);
    for (PlaybackPiece& piece : pieces) {
        if (!piece.song)
            continue;
        for (const TrackSource& levelled : discSongs)
            if (levelled.path == piece.song->path && levelled.segment == piece.song->segment)
                piece.song->gainDb = levelled.gainDb;
    }
}

bool listHoldsSong(const DiscInfo& disc, const TrackRows& tracks, const QString& path) {
    for (int songNumber = 1; songNumber <= discSongCount(tracks); ++songNumber) {
        try {
            if (discSong(disc, tracks, songNumber).path == path)
                return true;
        } catch (const AppError&) {
            // A song without its file is not the one that plays.
        }
    }
    return false;
}

} // namespace lccd
