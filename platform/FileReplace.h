#pragma once

#include <QString>

#include <functional>

class QFile;

// Rewriting a file that holds data the user cannot get back (a song), so that a failure or a
// crash at any moment leaves either the old file or the complete new one.
namespace lccd {

// Whether the user may change the file at path: this process may write it, and it is not marked
// read-only (a file whose owner lacks write permission counts as read-only even for root).
bool isChangeableFile(const QString& path);

// fill writes the complete new content into a fresh, empty file beside target (open for reading
// and writing; its name may be handed to another library). Once fill returns true and the new
// file is on disk, it takes target's permissions and owner and is renamed over target. A target
// with several hard links is instead overwritten in place with the new content, so that every
// link keeps seeing the song. When fill returns false or any step fails, the fresh file is
// removed and target keeps every byte. A symbolic link stays a link: the file it points to is
// replaced. target must be an existing file.
bool replaceFile(const QString& target, const std::function<bool(QFile& replacement)>& fill);

// Appends length bytes of source, starting at offset, to the end of out.
bool copyRange(QFile& source, qint64 offset, qint64 length, QFile& out);

// Up to length bytes of file from offset; fewer at its end, none when it cannot be read there.
QByteArray readAt(QFile& file, qint64 offset, qint64 length);

// Whether a holds at aOffset the same length bytes that b holds at bOffset.
bool sameBytes(QFile& a, qint64 aOffset, QFile& b, qint64 bOffset, qint64 length);

} // namespace lccd
