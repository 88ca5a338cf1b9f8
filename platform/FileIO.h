#pragma once

#include <QByteArray>
#include <QString>

// Whole-file reading and writing, as every file of the program is read and written.
namespace lccd {

// Throws AppError "ファイル %s は開けません" when the file cannot be read.
QByteArray readWholeFile(const QString& path);

// Replaces the file only once the new content is completely written: a failure at any point
// leaves the previous file as it was. Throws AppError "ファイル %s を作成できません".
void writeFileAtomically(const QString& path, const QByteArray& content);

} // namespace lccd
