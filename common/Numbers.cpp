#include "common/Numbers.h"

#include <cmath>

namespace lccd {
namespace {

int digitValue(QChar c) {
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    if (c >= u'a' && c <= u'f')
        return c.unicode() - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c.unicode() - u'A' + 10;
    return 99;
}

} // namespace

std::optional<qint32> parseInt32(QStringView text) {
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';

    int base = 10;
    if (i < text.size() && (text[i] == u'$' || text[i] == u'x' || text[i] == u'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == u'0' &&
               (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }
    if (i == text.size())
        return std::nullopt;

    const quint64 limit = base == 16 ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    quint64 value = 0;
    for (; i < text.size(); ++i) {
        const int digit = digitValue(text[i]);
        if (digit >= base)
            return std::nullopt;
        value = value * quint64(base) + quint64(digit);
        if (value > limit)
            return std::nullopt;
    }
    const quint32 bits = quint32(value);
    return negative ? qint32(0u - bits) : qint32(bits);
}

std::optional<qint32> parseIntField(QStringView text) {
    qsizetype start = 0;
    while (start < text.size() && text[start] == u' ')
        ++start;
    return parseInt32(text.mid(start));
}

std::optional<qint32> parseDecimalField(QStringView text) {
    qsizetype start = 0;
    while (start < text.size() && text[start] == u' ')
        ++start;
    const QStringView number = text.mid(start);
    const qsizetype firstDigit = !number.isEmpty() && (number[0] == u'+' || number[0] == u'-');
    if (number.size() == firstDigit)
        return std::nullopt;
    for (qsizetype i = firstDigit; i < number.size(); ++i)
        if (number[i] < u'0' || number[i] > u'9')
            return std::nullopt;
    return parseInt32(number);
}

std::optional<double> parseDecimal(const QString& text) {
    bool ok = false;
    const double value = QStringView(text).trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

qint32 StrToIntLoose(const QString& text) {
    QString digits = text;
    digits.remove(QLatin1Char(',')).remove(QLatin1Char(' '));
    return parseInt32(digits).value_or(0);
}

} // namespace lccd
