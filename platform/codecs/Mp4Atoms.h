#pragma once

#include <QByteArray>

namespace lccd {

// Whether every atom of an MP4 file that a tag writer walks (the boxes that hold others: moov,
// trak, udta, meta, ilst, ...) lies inside the box that holds it, and the top ones inside the
// file. A file cut short fails: its last atom claims bytes the file lacks, and rewriting its
// tag would move data that is not there.
bool mp4AtomsFitTheirFile(const QByteArray& file);

} // namespace lccd
