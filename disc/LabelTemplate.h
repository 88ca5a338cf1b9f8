#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The label template: a layout file whose values hold placeholders for the disc's fields. The
// program carries a default one built in and installs the same lines as LcJacketStd.lct, which
// users copy and edit.
namespace lccd {

struct DiscInfo;
struct ProgramPaths;

inline QString defaultTemplateName() {
    return QStringLiteral("LcJacketStd.lct");
}

// The 18 lines of the built-in template: the layout header and 17 rows drawing a jacket 2400
// wide and 1200 high, whose frame from 1350, 500 to 2450, 1250 receives the song rows.
const QStringList& builtInLabelTemplate();

// The lines of the template file templateName, looked up in the folders the program reads its
// files from, in the lossless form (fromSjisLossless) so that the filled template keeps their
// bytes; or the built-in template when there is no such file. A file in UTF-8 (textEncodingOf)
// is read as such, and readAsUtf8 then tells so. Throws AppError when the file exists but
// cannot be read.
QStringList loadLabelTemplate(const ProgramPaths& paths, const QString& templateName,
                              bool* readAsUtf8 = nullptr);

// The template's lines in Shift-JIS with the placeholders replaced by the disc's fields,
// trimmed, each in the bytes it was read in unless it was edited: the jacket image (its first
// occurrence in the template only), album title, disc ID, release year, disc performer, album title
// again, and the two subtitles (subtitle 2 moves up when subtitle 1 is empty). Each replacement
// works on the result of the one before, so a field that holds a later placeholder has it replaced
// too. A row whose fields changed is written again with each field quoted where it needs it, so a
// value with a comma stays one field.
QList<QByteArray> fillLabelPlaceholders(const QStringList& templateLines, const DiscInfo& disc);

} // namespace lccd
