#pragma once

#include "tests/support/TestSongs.h"

#include <QString>

// Song files in the formats people's music comes in, made by the encoders of other programs
// (sox, ffmpeg, lame, wavpack, mpcenc). Each maker returns false when its encoder is missing or
// fails.
namespace lccd::test {

// A 1 kHz tone of the given length, half full scale, in the format that the file name's
// extension tells sox (.wav, .flac, ...), at the given rate, channels and bits.
bool makeToneSong(const QString& path, double seconds, const WavFormat& format);

// Encodes a song with ffmpeg into the format of the file name's extension (.ogg is Vorbis,
// .opus Opus, ...). Written through a pipe, the file's header cannot be completed afterwards:
// a FLAC file then leaves its length open.
bool encodeWithFfmpeg(const QString& source, const QString& path, bool throughPipe = false);

// Pink noise at 30 % of full scale (44.1 kHz, stereo, 16 bits) made by sox and encoded by ffmpeg
// into the format of the file name's extension: a song of music's spread of frequencies.
bool makePinkNoiseSong(const QString& path, int seconds);

// A variable bit rate MP3 without a Xing/Info header (lame -t) of a 44.1 kHz stereo tone
// that fades in over its first seconds, so that its first frames are small and a length
// estimated from them is far too short. lameTags are further lame options (--tt TITLE ...).
bool makeVbrMp3WithoutXing(const QString& path, double seconds, const QStringList& lameTags = {});

// A silent song of a second at 44.1 kHz whose channels ffmpeg lays out as the named layout
// ("5.1", "3.1", ...), in the format of the file name's extension.
bool makeSilentLayoutSong(const QString& path, const QString& layout);

// Encodes a WAV song as users' other tools make them, by the end of the file name: ".alac.m4a"
// ALAC and ".m4a" AAC in MP4, ".aiff" 16-bit AIFF, ".aifc" 32-bit float AIFF-C, ".wma" WMA 2,
// ".wavpack.wv" by wavpack and ".wv" by ffmpeg, ".tta", ".aac" (ADTS) by ffmpeg, ".mpc" by mpcenc.
// tags ("title=...", "artist=...") are written as each tool tags its files (an ID3v2 chunk for
// AIFF, APE tags for WavPack, TTA and Musepack).
bool encodeOtherFormat(const QString& source, const QString& path, const QStringList& tags = {});

} // namespace lccd::test
