#pragma once

#include "disc/TrackRow.h"

#include <QString>
#include <QStringList>

// What a disc's files, written in code page 932, cannot hold.
namespace lccd {

struct DiscInfo;

// The song file names the project and CUE sheet would name, each that holds a character code
// page 932 cannot: "name (characters)". A reload could not find such a song again. The folder's
// own path is named in none of the disc's files. Names are taken composed, as the files store
// them.
QStringList namesOutsideCodePage(const TrackRows& tracks);

// The other values the save writes (disc fields and the songs' columns) that hold such
// characters, each "field (characters)"; they would be written as "?".
QStringList valuesOutsideCodePage(const DiscInfo& disc, const TrackRows& tracks);

} // namespace lccd
