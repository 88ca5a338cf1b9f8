#pragma once

#include "audio/SongSegment.h"
#include "disc/CueSheetReader.h"
#include "disc/TrackRow.h"

#include <QList>
#include <QString>

#include <optional>

// Album images: a long song file of the folder that a CUE sheet beside it divides into tracks,
// as rippers save a whole CD. Each track becomes a song of the list, named in its file name
// column by the sheet and the track's number ("album.cue#02"), which no song file is called.
namespace lccd {

class AudioDecoder;
struct DiscInfo;

struct AlbumTrack {
    QString sheetPath;
    QString imagePath;
    CueTrack cue; // its texts and INDEX positions in the image
    // From INDEX 01 to the next track's INDEX 01 in the image (the pregap between its INDEX 00
    // and 01 plays at the end of the track before, as the disc plays it), the last to the end.
    SongSegment segment;
};

struct AlbumSheet {
    QString path;
    CueSheetContent content;
    QList<AlbumTrack> tracks; // its audio tracks in the images it divides, in its order
    QStringList images;       // those images' paths
};

// The folder's CUE sheets (".cue", any letter case, in file-name order) that divide a song file
// of the folder into two or more tracks. A FILE line's name is found in the folder as it is
// written, or by its base name when the extension differs (EAC writes ".wav" for the FLAC it
// made); a sheet's other files stay songs of their own. An image that an earlier sheet divides
// already is not taken again.
QList<AlbumSheet> albumSheetsIn(const QString& folder);

// How the file name column names an album track: the sheet's file name, "#" and the track's
// number in two digits.
QString albumTrackName(const AlbumTrack& track);

// The album track that a file name column names (a bare name in the folder, or a path), when
// its sheet divides an image of the folder and holds that track.
std::optional<AlbumTrack> albumTrackNamed(const QString& folder, const QString& fileName);

// The sheets (paths) whose tracks the songs of the list are.
QStringList albumSheetsOf(const QString& folder, const TrackRows& tracks);

// A track's playing time in whole seconds, truncated: from its INDEX positions, the last track's
// from the image's exact decoded length. Nothing when the image cannot be decoded.
std::optional<int> albumTrackSeconds(AudioDecoder& decoder, const AlbumTrack& track);

// The song row of a track as a folder load fills it, without its playing time: the sheet's
// title (or "Track-" and its number) and performer (or the disc's), the disc's title as the
// album, its date and genre, the track's name in the file name column as a path in the
// sheet's folder, the print check on.
TrackRow albumTrackRow(const AlbumSheet& sheet, const AlbumTrack& track);

// The sheets' disc title, performer, catalog number, genre and date, each taken from the first
// sheet that has it, into the disc fields that are empty; the genre also replaces the box's
// default.
void takeSheetDiscFields(DiscInfo& disc, const QList<AlbumSheet>& sheets);

} // namespace lccd
