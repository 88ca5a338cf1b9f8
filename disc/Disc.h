#pragma once

#include "disc/DiscInfo.h"
#include "disc/LoadedSongs.h"
#include "disc/TrackRow.h"

namespace lccd {

class AudioDecoder;
class Mp3Infp;
class SongLengths;

// A disc as the CD list holds it: its fields, its 25 song rows and the songs as they stood when
// they were loaded.
struct Disc {
    DiscInfo info;
    TrackRows tracks;
    LoadedSongs loadedSongs;

    // Song rows by their number, 1 to kTrackRowCount (std::out_of_range otherwise).
    TrackRow& track(int songNumber) { return tracks.at(std::size_t(songNumber - 1)); }
    const TrackRow& track(int songNumber) const { return tracks.at(std::size_t(songNumber - 1)); }

    // Empties the disc fields and every row and forgets the loaded songs. The folder and jacket
    // paths and the genre text stay; the jacket box shows nothing.
    void clear();

    // Remembers every song row from firstRow on that names a file, as it stands now; the songs
    // remembered before stay.
    void rememberSongs(int firstRow, bool fromProject);
};

// What songs are read with: their tags, their lengths (kept from one load to the next) and the
// decoder that measures the tracks of an album image.
struct SongReaders {
    Mp3Infp& tags;
    SongLengths& lengths;
    AudioDecoder& decoder;
};

// The songs of the rows: those above the first title of zero length.
int songCount(const TrackRows& tracks);

struct DiscTotal {
    int songs = 0;
    qint64 seconds = 0;
};

// Counts the songs and sums their playing times, measuring each song's file (the time column
// counts for a missing file).
DiscTotal discTotal(const Disc& disc, SongLengths& lengths);

// "曲数= 12 総時間=1時間 2分 5秒"
QString discTotalText(const DiscTotal& total);

} // namespace lccd
