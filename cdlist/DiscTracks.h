#pragma once

#include "cdlist/AlbumTracks.h"
#include "cdlist/TrackRow.h"

#include <QList>
#include <QString>

namespace lccd {

struct DiscInfo;
class StatusPanel;

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
// "Track-1" and so on, with the disc performer as typed; more files are reported on the status
// panel with wavFilesLeftOutMessage, where the message stays, and *wavFilesLeftOut is set.
QList<DiscTrack> discTracks(const DiscInfo& disc, const TrackRows& tracks, bool unsplit,
                            StatusPanel& status, bool* wavFilesLeftOut = nullptr);

QString wavFilesLeftOutMessage();

} // namespace lccd
