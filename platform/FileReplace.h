#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QIODevice;

// Rewriting a file that holds data the user cannot get back (a song), so that a failure or a
// crash at any moment leaves either the old file or the complete new one.
namespace lccd {

class ReplacementFile;

// Whether the user may change the file at path: this process may write it, and it is not marked
// read-only (a file whose owner lacks write permission counts as read-only even for root).
bool isChangeableFile(const QString& path);

// fill writes the complete new content into a fresh, empty ReplacementFile of target and checks
// it. Once fill returns true, the new version takes target's place with its owner, mode and
// extended attributes. A target with several hard links is instead overwritten in place, so that
// every link keeps seeing the song: its old bytes are first kept in a recovery copy beside it
// (on disk before the song is touched), the new content is written, flushed and read back, and
// on any failure the old bytes are written back before this returns; the recovery copy goes once
// the song is whole. When fill returns false or any step fails, target keeps every byte and
// false is returned. A symbolic link stays a link: the file it points to is replaced. target
// must be an existing file.
bool replaceFile(const QString& target, const std::function<bool(ReplacementFile&)>& fill);

// Finishes what saves that ended without finishing (a crash, a power cut) left in folder: a song
// whose recovery copy is still there gets its old bytes back, and temporary files nobody holds
// are removed. Returns one line for the user per song put back (or whose copy had to stay).
QStringList recoverInterruptedSaves(const QString& folder);

// Appends length bytes of source, starting at offset, to the end of out.
bool copyRange(QIODevice& source, qint64 offset, qint64 length, QIODevice& out);

// Up to length bytes of file from offset; fewer at its end, none when it cannot be read there.
QByteArray readAt(QIODevice& file, qint64 offset, qint64 length);

// Whether a holds at aOffset the same length bytes that b holds at bOffset.
bool sameBytes(QIODevice& a, qint64 aOffset, QIODevice& b, qint64 bOffset, qint64 length);

// Whether a and b hold the same bytes from start to end.
bool sameContent(QIODevice& a, QIODevice& b);

} // namespace lccd
