#pragma once

#include "disc/TrackRow.h"

#include <QByteArray>
#include <QList>

// The disc project file, in which the CD list editor keeps one disc: nine header lines with the
// disc's fields ("TITLE:" ... "JACKET:"), then one line per song. The print check is not
// stored: the reader derives it from whether the song's file exists.
namespace lccd {

struct DiscInfo;

// The songs written to the project: the rows above the first title of zero length (a title of
// blanks still counts).
int projectTrackCount(const TrackRows& tracks);

// The file's lines in Shift-JIS, each value in the bytes it was read in unless it was edited
// (DiscInfo::spellings). Header values are written as typed; the genre is the selected
// list entry (empty when none is), and a jacket image lying in the disc's folder is written as
// its file name only. Track lines hold the number, then the trimmed time, title, performer,
// album, year, genre and the song's file name; nothing inside a value is escaped.
QList<QByteArray> discProjectLines(const DiscInfo& disc, const TrackRows& tracks);

} // namespace lccd
