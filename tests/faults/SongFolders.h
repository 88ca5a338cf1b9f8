#pragma once

#include <QString>
#include <QStringList>

// The folders of songs that the fault suite and the crash test save.
namespace lccd::test {

QString pathIn(const QString& folder, const char* name);

// The disc project of a folder: the album "Album" by "Band" and a line per song whose title
// the song's own (empty) tags do not hold, so that a tag save has something to write.
void writeProject(const QString& folder, const QStringList& songs);

// A second of tone in the format of the name's extension (.wav, .flac, .mp3, .ogg, and the
// others encodeOtherFormat makes) made by sox, lame, ffmpeg, wavpack or mpcenc, and the project
// naming it; false when an encoder failed.
bool makeSongFolder(const QString& folder, const char* song);

} // namespace lccd::test
