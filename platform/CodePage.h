#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Conversion between UTF-16 text and the Japanese system code page (Shift-JIS, code page 932),
// in which every text file of the program is stored.
namespace lccd {

// A character that code page 932 cannot hold becomes "?".
QByteArray toSjis(const QString& text);

// An invalid or incomplete byte sequence becomes U+FFFD; decoding always goes on.
QString fromSjis(const QByteArray& bytes);

// Whether bytes are valid UTF-8 holding at least one multi-byte sequence: such tag texts were
// written by programs that store UTF-8, while plain ASCII reads the same either way.
bool isMultiByteUtf8(const QByteArray& bytes);

// True for a byte that starts a double-byte character in code page 932.
constexpr bool isSjisLeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// The longest start of text whose Shift-JIS form has at most maxBytes bytes, cut between whole
// characters, as fixed-size name fields and length-limited values hold it. A character code
// page 932 cannot hold counts as the one byte of its "?" and is kept as it is.
QString cutToSjisBytes(const QString& text, qsizetype maxBytes);

// The characters of text that code page 932 cannot hold, each once, in the order they first
// occur: toSjis turns them into "?" (or, for a few, into a look-alike), so they would not read
// back as they were.
QStringList charactersOutsideSjis(const QString& text);

// Splits file text into lines: CR, LF and CR LF each end a line, and a line break at the very
// end starts no further line. A NUL reads as a blank, so that a stray one (a crash mid-write, a
// foreign editor) neither ends the text nor drops the lines after it.
QList<QByteArray> splitLines(const QByteArray& text);

// The file form of lines: each line followed by CR LF, no byte-order mark.
QByteArray joinLinesCrLf(const QList<QByteArray>& lines);

} // namespace lccd
