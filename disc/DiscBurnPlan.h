#pragma once

#include "audio/LoudnessAnalysis.h"
#include "audio/SongSegment.h"
#include "disc/CdOptions.h"
#include "disc/DiscNotes.h"
#include "disc/TrackRow.h"
#include "platform/DiscBurner.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace lccd {

class AudioDecoder;
struct DiscInfo;

struct PlannedTrack {
    TrackSource song;
    qint64 sectors = 0;
};

// What a burn of the disc writes: the tracks the CUE sheet lists, each song's CD audio made as
// the drive takes it, with the disc's catalog number and CD-TEXT.
struct DiscBurnPlan {
    QList<PlannedTrack> tracks;
    int pregapSectors = 0;   // before every track; the first always has at least 150
    QByteArray mediaCatalog; // 13 digits, or empty
    QByteArray cdTextPacks;
    // What the user should know about the plan (a catalog number that cannot be the MCN).
    DiscNotes notes;

    // The sectors of the tracks' audio.
    qint64 audioSectors() const;
    // The sectors the disc takes from the end of the first track's gap to the lead-out.
    qint64 discSectors() const;
    // Opens every song afresh for one burn. Throws AppError when a song cannot be decoded.
    BurnSession session(AudioDecoder& decoder) const;
};

// Plans a burn of the disc as the editor holds it (unsplit mode and the gaps as the options
// say), the songs levelled when a levelling is given; trackNotes gets what choosing the tracks
// noted (discTracks). Throws AppError when there is no track, when a track's song is missing or
// cannot be decoded, or when the titles and performers need more CD-TEXT than a disc holds.
DiscBurnPlan planDiscBurn(const DiscInfo& disc, const TrackRows& tracks, const CdOptions& options,
                          AudioDecoder& decoder, DiscNotes& trackNotes,
                          const TrackLevelling& levelling = {});

// The catalog number as a media catalog number: 13 digits once blanks are trimmed (full-width
// digits count); nothing otherwise.
std::optional<QByteArray> mediaCatalogNumber(const QString& catalog);

// Why a disc of discSectors cannot go on a medium with room for capacitySectors (-1 when the
// medium does not say: then 79:57 is the limit); nothing when it fits.
std::optional<QString> discLengthProblem(qint64 discSectors, qint64 capacitySectors);

// What the user must do before the disc in the drive can be written; nothing for a blank CD.
std::optional<QString> mediumProblem(const BurnMedium& medium);

// A length in sectors as minutes and seconds, "m:ss".
QString sectorsAsMinutes(qint64 sectors);

} // namespace lccd
