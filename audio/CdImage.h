#pragma once

#include "audio/SongSegment.h"

#include <QList>
#include <QString>
#include <QStringList>

// A whole disc's audio as one file: the tracks' CD audio one after another, each padded to whole
// sectors, with two seconds of silence before every track when the disc has gaps. Positions are
// counted in sectors (75 a second) from the start of the image.
namespace lccd {

class AudioDecoder;

struct CdImageTrack {
    TrackSource song;
    qint64 gapStart = 0; // where its gap starts; its start when there is no gap
    qint64 start = 0;    // where its audio starts
    qint64 sectors = 0;  // its audio, the last sector filled up with silence
};

struct CdImageLayout {
    QList<CdImageTrack> tracks;
    qint64 sectors = 0; // the whole image
};

// Opens every song once to learn its length (of the segment a track plays). Throws AppError for a
// song that cannot become CD audio, and for songs that together are longer than any disc.
CdImageLayout planCdImage(AudioDecoder& decoder, const QList<TrackSource>& songs, bool gaps);

// Writes the image as a WAV file of 44.1 kHz, 16-bit stereo samples, streamed song by song; the
// file appears only once complete. Returns the songs whose end could not be decoded (a damaged
// file), the audio they lack written as silence. Throws AppError when the file cannot be
// written, or when a song cannot be decoded or no longer has the length planned.
QStringList writeCdImageWav(AudioDecoder& decoder, const CdImageLayout& layout,
                            const QString& path);

} // namespace lccd
