#pragma once

#include <QByteArray>

namespace lccd {

// The bytes an ID3v2 tag takes, read from its first ten bytes (header), its footer included.
qint64 id3v2TagSize(const QByteArray& header);

} // namespace lccd
