#pragma once

#include <QByteArray>

// The field reader of disc project lines, on Shift-JIS bytes. Unlike CsvFieldW it trims
// blanks around fields, never doubles quotes, and also takes apostrophes as quotes.
namespace lccd {

// Status values of GetCsvField.
namespace CsvStatus {
constexpr int Ok = 0;
constexpr int NoSuchField = -1;
constexpr int EmptyLine = -2;
} // namespace CsvStatus

// Field n (1-based) of the line, with the status of the read.
QByteArray GetCsvField(const QByteArray& line, int n, int& status);

// Field n, status dropped.
QByteArray CsvField(const QByteArray& line, int n);

// The number of fields: a line without a comma has one, a trailing comma adds an empty one.
int CsvFieldCount(const QByteArray& line);

// Removes one enclosing pair of double quotes, then one enclosing pair of apostrophes.
QByteArray StripQuotePair(const QByteArray& text);

template <typename Text> Text IfElseStr(bool flag, const Text& whenSet, const Text& otherwise) {
    return flag ? whenSet : otherwise;
}

} // namespace lccd
