#pragma once

#include <QByteArray>
#include <QList>

#include <optional>

class QFile;
class QString;

// The chunk structure of RIFF files (WAV, and MP3 files in RMP form).
namespace lccd {

struct RiffChunk {
    QByteArray id;     // four bytes
    qint64 dataOffset; // where the chunk's data starts, after its 8-byte header
    quint32 size;      // of the data, without the pad byte that follows an odd size
    qint64 end() const { return dataOffset + size + (size & 1); }
};

struct RiffLayout {
    QByteArray form; // "WAVE", "RMP3", ...
    QList<RiffChunk> chunks;
    // The first chunk with the id, or nullptr.
    const RiffChunk* find(const QByteArray& id) const;
};

// The form and chunks of an open file; nothing when it does not start with a RIFF header.
// Chunks are listed while they lie wholly inside the file; a damaged tail ends the list.
std::optional<RiffLayout> readRiffLayout(QFile& file);

// The form type of the file at path; empty when it is no RIFF file or cannot be read.
QByteArray riffFormOf(const QString& path);

// The 8-byte header of a chunk.
QByteArray riffChunkHeader(const QByteArray& id, quint32 size);

} // namespace lccd
