#pragma once

#include "platform/codecs/Riff.h"
#include "platform/codecs/SongTagFields.h"

class QIODevice;

// MP3 files in RMP form (RIFF SIF): a RIFF file of form "RMP3" whose "data" chunk carries the
// MPEG stream, ID3 tags included, byte for byte, and whose LIST/INFO chunk holds the tag values
// with the same ids as the INFO of a WAV file.
namespace lccd {

inline const QByteArray kRmpForm = QByteArrayLiteral("RMP3");

// The empty ID3v1 tag given to an MP3 file that has no tag.
QByteArray emptyId3v1Tag();

// The ID3 tags (TagTypeFlags bits) that an MPEG stream of length bytes at offset carries: ID3v2 at
// its start, ID3v1 in its last 128 bytes.
quint32 id3TagsOfStream(QIODevice& file, qint64 offset, qint64 length);

// Writes the RMP form of the plain MP3 file mp3 into out, with appended after the MPEG data in
// its "data" chunk.
bool writeRmpForm(QIODevice& mp3, const QByteArray& appended, QIODevice& out);

// Writes the RIFF file source into out with bytes added to the end of its "data" chunk; every
// other chunk, and anything after the last chunk, is copied as it was.
bool writeWithDataAppended(QIODevice& source, const RiffLayout& layout, const QByteArray& bytes,
                           QIODevice& out);

// Replaces the plain MP3 file at path, once, by itself with an empty ID3v1 tag appended, checked
// byte for byte before it takes the old one's place. The file stays untouched when anything
// fails.
bool saveWithId3v1Appended(const QString& path);

// How an MP3 file changes on its way to taking values in RMP form.
struct RmpPreparation {
    bool fromPlainMp3 = false; // convert the plain MP3 file into RMP form
    bool appendId3v1 = false;  // give its MPEG data an empty ID3v1 tag first
};

// Replaces the MP3 file at path, once, by its prepared RMP form with the INFO fields changed:
// the new file is read back and checked (its MPEG data byte for byte, every INFO field) before
// it takes the old one's place. The file stays untouched when anything fails.
bool saveInRmpForm(const QString& path, const RmpPreparation& preparation,
                   const TagFields& changes);

} // namespace lccd
