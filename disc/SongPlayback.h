#pragma once

#include "audio/CdPlaybackFeed.h"
#include "audio/CdTrackAudio.h"
#include "audio/LoudnessAnalysis.h"
#include "disc/DiscImage.h"

#include <memory>

// What the CD list editor plays: a song, or the join of two, as the disc will hold them.
namespace lccd {

class AudioDecoder;

// How long each side of a join plays.
constexpr int kJoinSeconds = 10;

// A track's CD audio for listening: the one place it is made, so that what is heard is what
// the image and the burner write.
std::unique_ptr<CdTrackAudio> openPlaybackTrack(AudioDecoder& decoder, const TrackSource& song);

// The whole track of a song.
QList<PlaybackPiece> songPlayback(const DiscSong& song);

// The last kJoinSeconds of one song, the gap the disc has between them (two seconds of
// silence with gaps, none without) and the first kJoinSeconds of the next.
QList<PlaybackPiece> joinPlayback(const DiscSong& song, const DiscSong& next, bool gaps);

// Gives each song that plays the gain the disc gives it: the disc's songs are levelled together,
// as the image and the burner level them. Nothing changes when levelling is off. Throws AppError
// when a song cannot be measured.
void levelPlayback(QList<PlaybackPiece>& pieces, QList<TrackSource> discSongs,
                   const TrackLevelling& levelling);

// Whether any song of the list is the file at path.
bool listHoldsSong(const DiscInfo& disc, const TrackRows& tracks, const QString& path);

} // namespace lccd
