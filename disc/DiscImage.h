#pragma once

#include "audio/CdImage.h"
#include "audio/LoudnessAnalysis.h"
#include "audio/SongSegment.h"
#include "disc/TrackRow.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// A disc image: the audio of the disc's songs as one WAV file and a CUE sheet beside it that
// marks where each track starts, the form in which any CD-writing program burns a whole disc.
namespace lccd {

class AudioDecoder;
struct DiscInfo;

// A song of the disc with the file that holds it.
struct DiscSong {
    QString path;
    QString title;       // trimmed
    QString performer;   // trimmed
    SongSegment segment; // of an album image: where in the file the track lies
};

// The number of the disc's songs: the rows down to the first title blank after trimming.
int discSongCount(const TrackRows& tracks);

// Song songNumber (from 1, at most discSongCount) with its file, as discSongs gives it.
// Throws AppError when its file is missing.
DiscSong discSong(const DiscInfo& disc, const TrackRows& tracks, int songNumber);

// The disc's songs in list order, as its CUE sheet lists them: the rows down to the first title
// that is blank after trimming; a track of an album image as the part of the image it plays.
// Throws AppError naming a song whose file is missing.
QList<DiscSong> discSongs(const DiscInfo& disc, const TrackRows& tracks);

// The CUE sheet of an image in UTF-8: the album title and disc performer, one FILE line naming
// the WAV file, and per song its TRACK with TITLE, PERFORMER and INDEX 01 where its audio
// starts. With gaps, INDEX 00 marks where the two seconds of silence before the track start, so
// the gap stays outside the track as a burner lays out a pregap. A double quote inside a text
// becomes a single one, since the sheet has no way to write it.
QByteArray discImageCueSheet(const DiscInfo& disc, const QList<DiscSong>& songs,
                             const CdImageLayout& layout, const QString& wavFileName);

// The CUE sheet's path beside an image: the WAV file's path with ".cue" for its ".wav" (any
// letter case), or with ".cue" added to a name without it.
QString cueSheetPathBeside(const QString& wavPath);

// Writes the image of the disc's songs to wavPath and its CUE sheet beside it, each replaced
// whole or not at all, the songs levelled first when a levelling is given. Returns the songs whose
// end could not be decoded, the audio they lack written as silence. Throws AppError when the disc
// has no song, when a song is missing or cannot be decoded, when the image would replace one of the
// songs, when the songs do not fit on a disc, or when a file cannot be written.
QStringList writeDiscImage(AudioDecoder& decoder, const DiscInfo& disc, const TrackRows& tracks,
                           bool gaps, const QString& wavPath, const CdImageProgress& progress = {},
                           const TrackLevelling& levelling = {});

} // namespace lccd
