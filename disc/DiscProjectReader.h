#pragma once

#include "disc/Disc.h"
#include "disc/DiscNotes.h"

#include <QByteArray>
#include <QList>

namespace lccd {

// The disc read from the lines (Shift-JIS) of a disc project file, or of any song list: the
// current disc is cleared first (folder and jacket paths stay), then each line that is not blank
// is, in this order of tests,
// - a header line ("TITLE:" ... "JACKET:", keys in any letter case) setting a disc field;
// - a numbered line (its third character a blank, its first two a number above 0) adding a
//   song after the titled rows at the top; other lines with a blank third character are
//   ignored;
// - a track line of three or more fields, or else a plain title or file name, filling the next
//   row in line order.
// A song whose file lies in the disc's folder gets its print check on and its playing time
// measured; one whose file is missing keeps its check off. Songs beyond the list's 25 rows are
// dropped. Afterwards the rows are remembered as loaded from a project. What went wrong reading
// the songs' tags is added to notes.
Disc discFromProject(const Disc& current, const QList<QByteArray>& lines, const SongReaders& songs,
                     DiscNotes& notes);

} // namespace lccd
