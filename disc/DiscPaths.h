#pragma once

#include <QString>

#include <optional>

// Paths of a disc's folder: its song files and the files the save command writes.
namespace lccd {

struct DiscInfo;

// The folder, a separator unless the folder already ends in one, and the name.
QString pathInFolder(const QString& folder, const QString& name);

// A song's file: its file name as it is when that has a folder part, else the name in the
// loaded folder.
QString songFilePath(const QString& folder, const QString& fileName);

// The file name part of a path: the text after its last separator.
QString lastPathComponent(const QString& path);

// The path of the named file in the folder, when such a file exists; a name in another Unicode
// composition (decomposed kana, as other systems write them) finds the file too.
std::optional<QString> existingFileInFolder(const QString& folder, const QString& name);

// A file name as the disc's files store it: with composed characters (NFC).
QString composedName(const QString& name);

// A title as one name in a folder: every "/" written as the full-width "／" (which code page 932
// holds), a title of "." or ".." as "_", anything else (blanks included) as typed.
QString fileNameOfTitle(const QString& title);

// The project, CUE sheet and label layout of a disc share this path and differ in extension:
// the folder, a separator and the album title as one name in that folder (fileNameOfTitle).
QString discFileBase(const DiscInfo& disc);

} // namespace lccd
