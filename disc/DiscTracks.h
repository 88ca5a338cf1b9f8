#pragma once

#include "disc/AlbumTracks.h"
#include "disc/DiscNotes.h"
#include "disc/TrackRow.h"

#include <QList>
#include <QString>

namespace lccd {

struct DiscInfo;

// One track of the disc, as the CUE sheet lists it and the burner writes it.
struct DiscTrack {
    QString fileName; // a name in the disc's folder, composed; empty when the song has no file
    QString title;
    QString performer;
    // A track of an album image: fileName names the image, and this where the track lies in it.
    std::optional<AlbumTrack> albumTrack;
};

// Normal mode: a track per song down to the first title that is blank after trimming, with its
// file's name (the last path component; an album track's image), title and performer trimmed.
// Unsplit mode: the folder's first four WAV files in the order the folder search gives them, titled
// "Track-1" and so on, with the disc performer as typed; more files add a WavFilesLeftOut note.
QList<DiscTrack> discTracks(const DiscInfo& disc, const TrackRows& tracks, bool unsplit,
                            DiscNotes& notes);

} // namespace lccd
