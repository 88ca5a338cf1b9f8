#pragma once

#include <QString>
#include <QStringList>

// Helpers on UTF-16 text; CsvFieldW is the field reader of layout row lines.
namespace lccd {

// Field n (1-based) of a row line. Commas, tabs and CR LF separate fields; blanks around a
// field are kept; a field in double quotes may hold commas and doubled double quotes; one
// leading and one trailing quote character are removed (StripQuotesW); "%20" reads as a
// blank. A line of nothing but blanks and control characters has no fields.
QString CsvFieldW(const QString& line, int n);

// What CsvFieldW makes of a field as it stands in a line (its outer double quotes already
// read): one leading and one trailing quote character removed, "%20" read as a blank.
QString csvFieldValueW(const QString& raw);

// The number of fields CsvFieldW finds in the line.
int CsvFieldCountW(const QString& line);

// All fields of the line at once, each as CsvFieldW returns it; cheaper than asking for
// the fields one by one.
QStringList csvFieldsW(const QString& line);

// Where a field lies in its row line: from start, length characters, its quotes included.
struct FieldSpan {
    qsizetype start;
    qsizetype length;
};

// The places of the fields csvFieldsW reads, so that one field can be changed and every other
// character of the line kept.
QList<FieldSpan> csvFieldSpansW(const QString& line);

// 1-based position of the first occurrence of needle in text; 0 when absent or when the
// needle is empty.
int PosW(const QString& needle, const QString& text);

// Removes a leading double quote or apostrophe, then a trailing one (each end on its own);
// texts shorter than two characters are returned unchanged.
QString StripQuotesW(const QString& text);

} // namespace lccd
