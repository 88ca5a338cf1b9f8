#pragma once

#include <QByteArray>
#include <QList>

#include <optional>

class QIODevice;
class QString;

// The chunk structure of RIFF files: WAV files, their 64-bit forms RF64 and BW64, and MP3 files
// in RMP form.
namespace lccd {

// A 32-bit size field holding this value defers to the ds64 chunk in the 64-bit forms.
constexpr quint32 kSizeInDs64 = 0xFFFFFFFF;
// A ds64 chunk's fixed part: the RIFF, data and sample-count sizes (8 bytes each) and the count
// of its table; a shorter one gives no sizes.
constexpr qint64 kDs64FixedSize = 28;

struct RiffChunk {
    QByteArray id;     // four bytes
    qint64 dataOffset; // where the chunk's data starts, after its 8-byte header
    // The bytes of data the file holds, without the pad byte that follows an odd size. Only an
    // audio ("data") chunk may hold fewer bytes than its header declares: a WAV written to a
    // pipe declares 0xFFFFFFFF or 0, and a file cut short ends inside its audio.
    qint64 size;
    qint64 declaredSize; // as the header (or, in the 64-bit forms, the ds64 chunk) gives it
    qint64 end() const { return dataOffset + size + (size & 1); }
};

struct RiffLayout {
    QByteArray magic; // "RIFF", "RF64" or "BW64"
    QByteArray form;  // "WAVE", "RMP3", ...
    qint64 declaredRiffSize = 0;
    QList<RiffChunk> chunks;
    // The first chunk with the id, or nullptr.
    const RiffChunk* find(const QByteArray& id) const;
    // RF64 and BW64 keep their sizes in a "ds64" chunk.
    bool is64Bit() const { return magic != "RIFF"; }
    // The end of the last chunk; what follows belongs to no chunk.
    qint64 chunksEnd() const;
};

// The form and chunks of an open file; nothing when it does not start with a RIFF, RF64 or BW64
// header. Chunks are listed while they lie inside the file; a damaged tail ends the list, except
// that a "data" chunk is cut to the bytes present (or, when it declares no size but audio
// follows it, runs to the end of the file).
std::optional<RiffLayout> readRiffLayout(QIODevice& file);

// The form type of the file at path; empty when it is no RIFF file or cannot be read.
QByteArray riffFormOf(const QString& path);

// The 8-byte header of a chunk.
QByteArray riffChunkHeader(const QByteArray& id, quint32 size);

} // namespace lccd
