#pragma once

#include <QString>

namespace lccd {

// Why the file at path cannot be read as a song, in words for the user: what it holds instead
// when its first bytes tell (an empty file, a FLAC file named .wav, an ID3 tag in front of a
// WAV file, a format whose tags are not read: raw AAC; a damaged FLAC, MP4, ... file).
QString songFileProblem(const QString& path);

} // namespace lccd
