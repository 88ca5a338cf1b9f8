#pragma once

#include "platform/codecs/Riff.h"

class QIODevice;

// MP3 files in RMP form (RIFF SIF): a RIFF file of form "RMP3" whose "data" chunk carries the
// MPEG stream, ID3 tags included, byte for byte, and whose LIST/INFO chunk holds the tag values
// with the same ids as the INFO of a WAV file (InfoTagFile.h reads and writes them).
namespace lccd {

inline const QByteArray kRmpForm = QByteArrayLiteral("RMP3");

// The ID3 tags (TagTypeFlags bits) that an MPEG stream of length bytes at offset carries: ID3v2 at
// its start, ID3v1 in its last 128 bytes.
quint32 id3TagsOfStream(QIODevice& file, qint64 offset, qint64 length);

} // namespace lccd
