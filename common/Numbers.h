#pragma once

#include <QString>

#include <optional>

// Reading numbers from the texts of rows and settings.
namespace lccd {

// A signed 32-bit integer: optional "+" or "-", then decimal digits, or hexadecimal digits
// after "$", "x", "X", "0x" or "0X" (hexadecimal may use all 32 bits). Nothing else may
// follow; out of range is no number.
std::optional<qint32> parseInt32(QStringView text);

// An integer field as rows hold them: leading blanks allowed, otherwise parseInt32.
std::optional<qint32> parseIntField(QStringView text);

// A decimal integer only (playing times, song numbers): leading blanks, an optional sign and
// decimal digits; "$10" and "x5" are no numbers.
std::optional<qint32> parseDecimalField(QStringView text);

// A decimal number such as "9", "13.5" or " 9.0 " (blanks around it allowed).
std::optional<double> parseDecimal(const QString& text);

// parseInt32 after removing every comma and blank; 0 when the text is no number.
qint32 StrToIntLoose(const QString& text);

} // namespace lccd
