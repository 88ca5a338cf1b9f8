#pragma once

#include <QString>
#include <QStringList>

// Files whose names Qt cannot give back: Qt decodes every name in a folder as UTF-8, so a name
// in other bytes (Shift-JIS from a Windows archive) neither lists nor opens under the name it
// decodes to.
namespace lccd {

// The regular files directly in folder whose name bytes do not survive decoding and encoding
// again, as Qt shows them (each byte that is no UTF-8 a replacement character), in file-name
// order. Nothing when the folder cannot be read.
QStringList filesWithUndecodableNames(const QString& folder);

} // namespace lccd
