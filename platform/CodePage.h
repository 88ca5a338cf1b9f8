#pragma once

#include <QByteArray>
#include <QHash>
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

// The encoding of a text file people or other programs may have written. The program's formats
// are code page 932, but Linux editors and tools save UTF-8: a file is read as UTF-8 when it
// starts with the UTF-8 byte-order mark, or when its text reads as UTF-8 by the rule for
// values stored without their encoding (readsAsUtf8), line breaks aside.
enum class TextEncoding { Sjis, Utf8 };

TextEncoding textEncodingOf(const QByteArray& fileBytes);

// The file's bytes after a leading UTF-8 byte-order mark, if there is one.
QByteArray withoutUtf8Bom(const QByteArray& fileBytes);

// Text in the given encoding; invalid sequences become U+FFFD.
QString decodeText(const QByteArray& bytes, TextEncoding encoding);

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

// Some characters have more than one byte form in code page 932 (the NEC and IBM extensions:
// 纊 is ED 40 and FA 5C, ∵ is 81 E6, 87 9A and FA 5B): fromSjis reads every form, toSjis
// writes one, so text read and written again can change bytes nobody edited. The lossless pair
// keeps them: fromSjisLossless reads a form toSjis would not write, and a byte that starts no
// character, as a private-use character of plane 15 (U+F0000 plus the bytes) that
// toSjisLossless writes back as those bytes. All other text converts as with fromSjis and
// toSjis, so toSjisLossless(fromSjisLossless(bytes)) is always bytes.
QString fromSjisLossless(const QByteArray& bytes);
QByteArray toSjisLossless(const QString& text);

// The byte forms that values were read in, so that a value nobody edited is written back as it
// was read. A value is known by its text: an edited value is written in toSjis's form, and a
// text read in two forms keeps the first.
class SjisSpellings {
public:
    // The text of the bytes, remembering them when toSjis would write the text otherwise.
    QString read(const QByteArray& bytes);
    // The bytes the text was read from, or toSjis of it.
    QByteArray bytesOf(const QString& text) const;
    // The same in the lossless form, for text that is built on before it is written.
    QString losslessOf(const QString& text) const;
    void clear() { bytes_.clear(); }

private:
    QHash<QString, QByteArray> bytes_;
};

// Splits file text into lines: CR, LF and CR LF each end a line, and a line break at the very
// end starts no further line. A NUL reads as a blank, so that a stray one (a crash mid-write, a
// foreign editor) neither ends the text nor drops the lines after it.
QList<QByteArray> splitLines(const QByteArray& text);

// The file form of lines: each line followed by CR LF, no byte-order mark.
QByteArray joinLinesCrLf(const QList<QByteArray>& lines);

} // namespace lccd
