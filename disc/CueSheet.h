#pragma once

#include "disc/CdOptions.h"
#include "disc/DiscNotes.h"
#include "disc/TrackRow.h"

#include <QByteArray>
#include <QList>

// The CUE sheet that CD-writing software burns the disc from: the disc's title, performer and
// catalog number, then one track per song with its file, title and performer as CD-TEXT.
namespace lccd {

struct DiscInfo;

// The CATALOG value, always 13 bytes: an empty number gives "MNGD2008A0101"; one of another
// length is padded with "123456789ABCD" or cut.
QByteArray cueCatalogValue(const QString& catalog);

// The sheet's lines in Shift-JIS, values inserted as they stand (nothing is escaped). Normal
// mode lists the songs down to the first title that is blank after trimming. Unsplit mode
// (noCut) takes the folder's first four WAV files as the tracks and notes more than four
// (discTracks); addGap puts two seconds of gap before every track.
QList<QByteArray> cueSheetLines(const DiscInfo& disc, const TrackRows& tracks,
                                const CdOptions& options, DiscNotes& notes);

// Writes the sheet to path (replaced whole or not at all).
void writeCueSheet(const QString& path, const DiscInfo& disc, const TrackRows& tracks,
                   const CdOptions& options, DiscNotes& notes);

} // namespace lccd
