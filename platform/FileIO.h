#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// Whole-file reading and writing, as every file of the program is read and written.
namespace lccd {

// Throws AppError "ファイル %s は開けません" when the file cannot be read.
QByteArray readWholeFile(const QString& path);

// Replaces the file only once the new content is completely written: a failure at any point
// leaves the previous file as it was. Throws AppError "ファイル %s を作成できません".
void writeFileAtomically(const QString& path, const QByteArray& content);

// Lets a test make writes fail halfway, as a full disk would: the hook is asked with each path
// about to be written and returns true to fail it. An empty hook removes it.
void setWriteFaultForTests(std::function<bool(const QString& path)> hook);

} // namespace lccd
