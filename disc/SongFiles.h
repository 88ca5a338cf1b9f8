#pragma once

#include <QString>
#include <QStringList>

// The song files of a disc's folder, told by their extensions.
namespace lccd {

// Whether a file is a song of a format the program decodes, by its extension.
bool isSongFile(const QString& name);

// The folder's files with the extension (any letter case; "*.*" for all), in file-name order.
QStringList filesWithExtension(const QString& folder, const QString& extension);

// The folder's song files of every format the program decodes, in file-name order.
QStringList songFilesIn(const QString& folder);

} // namespace lccd
