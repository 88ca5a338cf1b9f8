#pragma once

#include <QString>

// Songs whose audio is coded in a stream of their own beside the tag: FLAC files and Ogg files
// (Vorbis, Opus, FLAC in Ogg). A tag save must leave that stream as it was.
namespace lccd {

enum class CodedContainer { None, Flac, Ogg };

// The container the file's first bytes announce (a FLAC file may start with an ID3v2 tag).
CodedContainer codedContainerOf(const QString& path);

// Whether two files carry the same coded audio: for FLAC, the stream information and every
// audio frame byte for byte (ID3v1 tags at the end aside); for Ogg, every packet but the comment
// header of each logical stream, at the same granule position, and what follows the last page
// that can be read. False when the files are not of one container.
bool sameCodedAudio(const QString& a, const QString& b);

} // namespace lccd
