#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// Whole-file reading and writing, as every file of the program is read and written.
namespace lccd {

// The largest file readWholeFile reads: every text file of the program (layouts, the INI file,
// disc projects, templates, paragraph texts) is far smaller, and a larger one (or a sparse file
// claiming gigabytes) is refused before anything is read.
constexpr qint64 kMaxReadFileBytes = 64 * 1024 * 1024;

// Whether readWholeFile reads a file of this many bytes: a writer asks it first, so that it
// never writes a file the program refuses to read again.
constexpr bool withinReadLimit(qint64 bytes) {
    return bytes <= kMaxReadFileBytes;
}

// Throws AppError "ファイル %s は開けません" when the path names no regular file (a folder, a
// pipe or a device is refused without being opened) or the file cannot be read, and
// "ファイル %s は大きすぎて開けません (64 MB まで)" when it is larger than kMaxReadFileBytes.
QByteArray readWholeFile(const QString& path);

// Replaces the file (or makes it) with content, through ReplacementFile: the new content is read
// back and on disk before it takes the old file's place, with the old file's owner, mode and
// extended attributes; a failure at any point leaves the previous file byte for byte (or no file
// where there was none). Throws AppError "ファイル %s を作成できません" when the folder takes no
// new file, "%s に書き込めません" when the user may not change the file or it cannot be written.
void writeFileAtomically(const QString& path, const QByteArray& content);

// Lets a test make writes fail, as a full disk would: the hook is asked with each path whose new
// version is complete and about to replace it (every ReplacementFile) and returns true to fail
// it. An empty hook removes it.
void setWriteFaultForTests(std::function<bool(const QString& path)> hook);

// True when a test has asked for the write of path to fail.
bool writeFaultInjected(const QString& path);

} // namespace lccd
