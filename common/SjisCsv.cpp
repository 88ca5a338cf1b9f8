#include "common/SjisCsv.h"

#include "platform/BlankTrim.h"

namespace lccd {
namespace {

bool enclosedIn(QByteArrayView text, char quote) {
    return text.size() >= 2 && text.front() == quote && text.back() == quote;
}

QByteArrayView withoutQuotePair(QByteArrayView text) {
    if (enclosedIn(text, '"'))
        text = text.sliced(1, text.size() - 2);
    if (enclosedIn(text, '\''))
        text = text.sliced(1, text.size() - 2);
    return text;
}

// Reads the quoted field at the start of rest (when it has a closing quote) and leaves rest
// after it and after the comma that follows.
bool takeQuotedField(QByteArrayView& rest, QByteArrayView& field) {
    if (rest.size() <= 1 || (rest.front() != '"' && rest.front() != '\''))
        return false;
    const qsizetype closing = rest.indexOf(rest.front(), 1);
    if (closing < 0)
        return false;
    field = trimBlanks(rest.sliced(1, closing - 1));
    rest = trimBlanks(rest.sliced(closing + 1));
    if (rest.startsWith(','))
        rest = trimBlanks(rest.sliced(1));
    return true;
}

// Reads the fields of a line in order, as GetCsvField does for ever larger field numbers:
// calls take(i, field) for i = 1, 2, ... until it returns true or no further field can be
// read. Returns the number of the first field that cannot be read. One pass over the line,
// however many fields it has.
template <typename Take> int readFields(QByteArrayView line, Take take) {
    if (line.isEmpty() || withoutQuotePair(line).isEmpty())
        return 1;
    QByteArrayView rest = line;
    qsizetype comma = rest.indexOf(',');
    if (comma < 0)
        return take(1, line) ? 1 : 2;
    int i = 1;
    while (comma >= 0) {
        QByteArrayView field;
        if (!takeQuotedField(rest, field)) {
            field = trimBlanks(rest.first(comma));
            rest = trimBlanks(rest.sliced(comma + 1));
        }
        if (take(i, withoutQuotePair(field)))
            return i;
        ++i;
        comma = rest.indexOf(',');
    }
    // The text after the last comma is one more field when it is not empty.
    if (rest.isEmpty())
        return i;
    return take(i, withoutQuotePair(rest)) ? i : i + 1;
}

} // namespace

QByteArray StripQuotePair(const QByteArray& text) {
    return withoutQuotePair(text).toByteArray();
}

QByteArray GetCsvField(const QByteArray& line, int n, int& status) {
    status = CsvStatus::Ok;
    if (line.isEmpty() || StripQuotePair(line).isEmpty()) {
        status = CsvStatus::EmptyLine;
        return QByteArray();
    }
    if (n < 1 && !line.contains(','))
        return line;
    QByteArray result;
    bool found = false;
    readFields(line, [&](int i, QByteArrayView field) {
        if (i != n)
            return false;
        result = field.toByteArray();
        found = true;
        return true;
    });
    if (!found)
        status = CsvStatus::NoSuchField;
    return result;
}

QByteArray CsvField(const QByteArray& line, int n) {
    int status = CsvStatus::Ok;
    return GetCsvField(line, n, status);
}

int CsvFieldCount(const QByteArray& line) {
    if (trimBlanks(line).isEmpty())
        return 0;
    const int firstFailing = readFields(line, [](int, QByteArrayView) { return false; });
    return line.endsWith(',') ? firstFailing : firstFailing - 1;
}

} // namespace lccd
