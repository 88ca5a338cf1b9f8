#pragma once

#include "platform/Shell.h"

#include <QString>
#include <QStringList>

// Folder listing, file size, waiting with a responsive window, and opening documents.
namespace lccd {

// File attribute bits, as folder listings report them. A regular file carries Archive.
namespace FileAttr {
constexpr int ReadOnly = 0x01;
constexpr int Hidden = 0x02;
constexpr int System = 0x04;
constexpr int Directory = 0x10;
constexpr int Archive = 0x20;
constexpr int Any = 0x3F;
} // namespace FileAttr

// The attribute bits of an existing entry (a name starting with "." counts as hidden).
int fileAttributes(const QString& path);

// The order of files in a folder listing: names compared code point by code point without regard
// to letter case, as the file systems of the desktop the disc projects come from list them, after
// composing characters (so a name written decomposed by another system sorts with its composed
// twin).
bool fileNameLess(const QString& a, const QString& b);

// Appends the files of a folder to list, in file-name order (fileNameLess).
// extension ("wav", ".WAV", "*.*" or empty) filters by extension, compared without regard to
// case, when attributeMask is FileAttr::Any; any other mask instead takes only entries whose
// attributes equal it. Hidden, system and directory entries are listed only when the mask has
// their bit. Directories are searched first when recursive and never added themselves.
void FindFiles(QStringList& list, const QString& folder, const QString& extension, bool recursive,
               bool fullPath, int attributeMask);

// The size in bytes of the entry at path (0 for a directory), or -1 when there is none.
qint64 FileSizeOf(const QString& path);

// Opens a document in the program the desktop associates with it. A path enclosed in double
// quotes is taken without them. Returns whether the desktop accepted it.
bool OpenWithAssociatedProgram(DesktopShell& shell, const QString& path);

// Opens a web address in the user's browser.
void OpenUrl(DesktopShell& shell, const QString& address);

} // namespace lccd
