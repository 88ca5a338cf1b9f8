#pragma once

#include "platform/codecs/Riff.h"

class QFile;

// MP3 files in RMP form (RIFF SIF): a RIFF file of form "RMP3" whose "data" chunk carries the
// MPEG stream, ID3 tags included, byte for byte, and whose LIST/INFO chunk holds the tag values
// with the same ids as the INFO of a WAV file.
namespace lccd {

inline const QByteArray kRmpForm = QByteArrayLiteral("RMP3");

// The empty ID3v1 tag given to an MP3 file that has no tag.
QByteArray emptyId3v1Tag();

// The ID3 tags (TagType bits) that an MPEG stream of length bytes at offset carries: ID3v2 at
// its start, ID3v1 in its last 128 bytes.
quint32 id3TagsOfStream(QFile& file, qint64 offset, qint64 length);

// Writes the RMP form of the plain MP3 file mp3 into out.
bool writeRmpForm(QFile& mp3, QFile& out);

// Writes the RIFF file source into out with bytes added to the end of its "data" chunk; every
// other chunk, and anything after the last chunk, is copied as it was.
bool writeWithDataAppended(QFile& source, const RiffLayout& layout, const QByteArray& bytes,
                           QFile& out);

} // namespace lccd
