#pragma once

#include "disc/TrackRow.h"

#include <QHash>
#include <QString>

namespace lccd {

// A song row as it stood right after the folder or its project was loaded, before the user
// edited anything: what the save compares the row with to tell the user's edits from values
// that only came along with the load.
struct LoadedSong {
    TrackRow row;
    // The row's values were read from the folder's project file (or a song list), not from the
    // song's own tags.
    bool fromProject = false;
};

// The loaded songs by the text of their file name column. Rows move and are reordered; the file
// goes with the song, and a row whose file name changed has no loaded song.
using LoadedSongs = QHash<QString, LoadedSong>;

} // namespace lccd
