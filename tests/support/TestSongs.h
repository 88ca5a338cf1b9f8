#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>
#include <utility>

// Song files that tests make for themselves: PCM WAV files with or without INFO tags, and the
// bytes of ID3 tags to put into MP3 files.
namespace lccd::test {

struct WavFormat {
    int sampleRate = 44100;
    int channels = 2;
    int bitsPerSample = 16;
};

// An INFO field: its id ("INAM" ...) and its value's bytes.
using InfoField = std::pair<QByteArray, QByteArray>;

// The bytes of a chunk: its header and data, with the pad byte after an odd size.
QByteArray riffChunk(const QByteArray& id, const QByteArray& data);

// A PCM "fmt " chunk and a LIST/INFO chunk of NUL-terminated values, as WAV writers make them.
QByteArray fmtChunk(const WavFormat& format = {});
QByteArray infoChunk(const QList<InfoField>& info);

// Audio bytes of a fixed non-silent pattern.
QByteArray testAudio(qint64 bytes);

// A RIFF file of the chunks given, its size field covering them unless one is given.
QByteArray riffFile(const QList<QByteArray>& chunks, const QByteArray& form = "WAVE",
                    std::optional<quint32> riffSize = std::nullopt);

// Writes a WAV file of the given number of sample frames, filled with a fixed non-silent byte
// pattern, and a LIST/INFO chunk after the audio when fields are given.
void writeTestWav(const QString& path, qint64 frames, const WavFormat& format = {},
                  const QList<InfoField>& info = {});

// Writes a WAV file of size bytes in all whose audio data is left as a hole in the file, so
// that a large file takes no disk space.
void writeSparseWav(const QString& path, qint64 size, const WavFormat& format = {});

// The bytes of the "data" chunk of a RIFF file (the audio of a WAV, the MPEG stream of an RMP).
QByteArray riffDataChunk(const QString& path);

// A 128-byte ID3v1.1 tag.
QByteArray id3v1Tag(const QByteArray& title, const QByteArray& artist, const QByteArray& album,
                    const QByteArray& year, const QByteArray& comment, quint8 genre);

// An ID3v2.3 tag of text frames in Latin-1 encoding (the bytes are stored as they are); a
// "COMM" frame gets the language "jpn" and an empty description.
QByteArray id3v2Latin1Tag(const QList<std::pair<QByteArray, QByteArray>>& frames);

} // namespace lccd::test
