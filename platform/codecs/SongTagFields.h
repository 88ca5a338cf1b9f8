#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QHash>

// Tag values of one song file, keyed by their INFO id ("INAM" ...), as code page 932 bytes.
namespace lccd {

using TagFields = QHash<QByteArray, QByteArray>;

// The six ids that the program reads and writes: title, performer, album, comment, year, genre.
inline const QByteArrayList kSongTagIds = {"INAM", "IART", "IPRD", "ICMT", "ICRD", "IGNR"};

} // namespace lccd
