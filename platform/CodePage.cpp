#include "platform/CodePage.h"

#include "platform/StoredTextEncoding.h"

#include <QtEndian>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iconv.h>
#include <optional>
#include <stdexcept>

namespace lccd {
namespace {

constexpr const char* kSjis = "CP932";
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
constexpr const char* kUtf16 = "UTF-16LE";
#else
constexpr const char* kUtf16 = "UTF-16BE";
#endif

// One iconv descriptor per direction and thread, opened on first use: opening one costs far
// more than a typical conversion.
class Converter {
public:
    // outPerIn: the most output bytes one input byte gives, replacements included.
    Converter(const char* to, const char* from, size_t outPerIn)
        : cd_(iconv_open(to, from)), outPerIn_(outPerIn) {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error("iconv cannot convert between CP932 and UTF-16");
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts the input to out, which has room for outPerIn bytes of every input byte, and
    // returns where the input ends. A character cut at the end of the input takes up to
    // `more` bytes after it. On a sequence it cannot convert it calls onInvalid(out, in,
    // inLeft), which writes a replacement and skips input.
    template <typename OnInvalid>
    const char* convert(const char* in, size_t inLeft, size_t more, char*& out,
                        OnInvalid onInvalid) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        while (inLeft > 0) {
            char* inPtr = const_cast<char*>(in);
            size_t outLeft = inLeft * outPerIn_;
            const size_t rc = iconv(cd_, &inPtr, &inLeft, &out, &outLeft);
            const int error = errno;
            in = inPtr;
            if (rc != size_t(-1))
                continue;
            if (error == EINVAL && more > 0) {
                ++inLeft;
                --more;
            } else {
                onInvalid(out, in, inLeft);
            }
        }
        return in;
    }

private:
    iconv_t cd_;
    size_t outPerIn_;
};

Converter& encoder() {
    thread_local Converter converter(kSjis, kUtf16, 1); // a UTF-16 unit gives at most 2 bytes
    return converter;
}

Converter& decoder() {
    thread_local Converter converter(kUtf16, kSjis, 2); // a byte gives at most one unit
    return converter;
}

} // namespace

// ASCII converts one to one in both directions (code page 932 keeps 0x00-0x7F as they are);
// only the runs of other characters go through iconv, whose every call costs far more than
// copying a character. Texts of the program are mostly ASCII between short Japanese runs.

QByteArray toSjis(const QString& text) {
    QByteArray out(text.size() * 2, Qt::Uninitialized); // at most two bytes a UTF-16 unit
    char* o = out.data();
    const char16_t* p = reinterpret_cast<const char16_t*>(text.utf16());
    const char16_t* const end = p + text.size();
    while (p < end) {
        if (*p < 0x80) {
            *o++ = char(*p++);
            continue;
        }
        const char16_t* const run = p;
        while (p < end && *p >= 0x80)
            ++p;
        encoder().convert(reinterpret_cast<const char*>(run), size_t(p - run) * 2, 0, o,
                          [](char*& sjis, const char*& in, size_t& inLeft) {
                              // Skip one character: both halves of a surrogate pair.
                              const char16_t unit = qFromUnaligned<char16_t>(in);
                              size_t skip = 2;
                              if (QChar::isHighSurrogate(unit) && inLeft >= 4 &&
                                  QChar::isLowSurrogate(qFromUnaligned<char16_t>(in + 2)))
                                  skip = 4;
                              skip = qMin(skip, inLeft);
                              *sjis++ = '?';
                              in += skip;
                              inLeft -= skip;
                          });
    }
    out.truncate(o - out.constData());
    return out;
}

QString fromSjis(const QByteArray& bytes) {
    QString out(bytes.size(), Qt::Uninitialized); // at most one UTF-16 unit a byte
    char* o = reinterpret_cast<char*>(out.data());
    const char* p = bytes.constData();
    const char* const end = p + bytes.size();
    while (p < end) {
        if (uchar(*p) < 0x80) {
            const char16_t unit = uchar(*p++);
            std::memcpy(o, &unit, 2);
            o += 2;
            continue;
        }
        // A run of whole characters: a byte below 0x80 after a lead byte is its trail byte.
        // After a byte iconv cannot read the characters may fall differently, so a character
        // cut at the end of the run takes the bytes after it.
        const char* const run = p;
        while (p < end && uchar(*p) >= 0x80)
            p += isSjisLeadByte(uchar(*p)) ? 2 : 1;
        p = std::min(p, end);
        p = decoder().convert(run, size_t(p - run), size_t(end - p), o,
                              [](char*& utf16, const char*& in, size_t& inLeft) {
                                  const char16_t replacement = QChar::ReplacementCharacter;
                                  std::memcpy(utf16, &replacement, 2);
                                  utf16 += 2;
                                  ++in;
                                  --inLeft;
                              });
    }
    out.truncate((o - reinterpret_cast<char*>(out.data())) / 2);
    return out;
}

namespace {

// The length in UTF-16 units of the character at i: both halves of a surrogate pair.
qsizetype characterLength(const QString& text, qsizetype i) {
    return text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2 : 1;
}

} // namespace

QString cutToSjisBytes(const QString& text, qsizetype maxBytes) {
    if (toSjis(text).size() <= maxBytes)
        return text;
    qsizetype bytes = 0;
    qsizetype end = 0;
    while (end < text.size()) {
        const qsizetype length = characterLength(text, end);
        bytes += toSjis(text.mid(end, length)).size();
        if (bytes > maxBytes)
            break;
        end += length;
    }
    return text.left(end);
}

QStringList charactersOutsideSjis(const QString& text) {
    QStringList outside;
    if (fromSjis(toSjis(text)) == text)
        return outside;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = characterLength(text, i);
        const QString character = text.mid(i, length);
        i += length;
        // Some characters convert one way only (U+301C becomes the full-width tilde): they too
        // would not read back as they were.
        if (fromSjis(toSjis(character)) != character && !outside.contains(character))
            outside.append(character);
    }
    return outside;
}

namespace {

// fromSjisLossless gives a byte form toSjis would not write, and an invalid byte, as one
// character of plane 15 (private use): this base plus its bytes.
constexpr char32_t kKeptBytesBase = 0xF0000;

QString keptBytesCharacter(QByteArrayView bytes) {
    char32_t value = 0;
    for (const char byte : bytes)
        value = value << 8 | uchar(byte);
    const char32_t character = kKeptBytesBase + value;
    return QString::fromUcs4(&character, 1);
}

// The text of one character's bytes when fromSjis reads them as one character that toSjis
// writes back as the same bytes; nothing otherwise.
std::optional<QString> canonicalCharacter(QByteArrayView bytes) {
    const QByteArray character = bytes.toByteArray();
    const QString text = fromSjis(character);
    if (text.size() != 1 || text[0] == QChar::ReplacementCharacter || toSjis(text) != character)
        return std::nullopt;
    return text;
}

} // namespace

QString fromSjisLossless(const QByteArray& bytes) {
    QString text = fromSjis(bytes);
    if (toSjis(text) == bytes)
        return text;
    text.clear();
    for (qsizetype i = 0; i < bytes.size();) {
        const uchar byte = uchar(bytes[i]);
        if (byte < 0x80) {
            text += QLatin1Char(char(byte));
            ++i;
            continue;
        }
        if (isSjisLeadByte(byte) && i + 1 < bytes.size()) {
            const QByteArrayView pair(bytes.constData() + i, 2);
            const QString read = fromSjis(pair.toByteArray());
            // A pair that reads as one character is one, in whatever form; otherwise the lead
            // byte stands alone.
            if (read.size() == 1 && read[0] != QChar::ReplacementCharacter) {
                text += canonicalCharacter(pair).value_or(keptBytesCharacter(pair));
                i += 2;
                continue;
            }
        }
        const QByteArrayView single(bytes.constData() + i, 1);
        text += canonicalCharacter(single).value_or(keptBytesCharacter(single));
        ++i;
    }
    return text;
}

QByteArray toSjisLossless(const QString& text) {
    QByteArray bytes;
    qsizetype run = 0; // where the text not yet written starts
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (!text[i].isHighSurrogate() || !text[i + 1].isLowSurrogate())
            continue;
        const char32_t character = QChar::surrogateToUcs4(text[i], text[i + 1]);
        if (character < kKeptBytesBase + 0x80 || character > kKeptBytesBase + 0xFFFF)
            continue;
        const char32_t value = character - kKeptBytesBase;
        QByteArray kept;
        if (value > 0xFF)
            kept += char(value >> 8);
        kept += char(value & 0xFF);
        // Only the characters fromSjisLossless makes stand for bytes; any other is no text of
        // the code page.
        if (fromSjisLossless(kept) != text.mid(i, 2))
            continue;
        bytes += toSjis(text.mid(run, i - run)) + kept;
        run = i + 2;
        ++i;
    }
    return bytes + toSjis(text.mid(run));
}

QString SjisSpellings::read(const QByteArray& bytes) {
    const QString text = fromSjis(bytes);
    if (toSjis(text) != bytes && !bytes_.contains(text))
        bytes_.insert(text, bytes);
    return text;
}

QByteArray SjisSpellings::bytesOf(const QString& text) const {
    const auto found = bytes_.constFind(text);
    return found == bytes_.cend() ? toSjis(text) : *found;
}

QString SjisSpellings::losslessOf(const QString& text) const {
    const auto found = bytes_.constFind(text);
    return found == bytes_.cend() ? text : fromSjisLossless(*found);
}

namespace {

constexpr char kUtf8Bom[] = "\xEF\xBB\xBF";

} // namespace

TextEncoding textEncodingOf(const QByteArray& fileBytes) {
    if (fileBytes.startsWith(kUtf8Bom))
        return TextEncoding::Utf8;
    // Line breaks and tabs are no characters of a value; the rule would take them as signs of
    // a wrong reading.
    QByteArray text = fileBytes;
    std::replace_if(
        text.begin(), text.end(), [](char b) { return uchar(b) < 0x20; }, ' ');
    return readsAsUtf8(text) ? TextEncoding::Utf8 : TextEncoding::Sjis;
}

QByteArray withoutUtf8Bom(const QByteArray& fileBytes) {
    return fileBytes.startsWith(kUtf8Bom) ? fileBytes.mid(3) : fileBytes;
}

QString decodeText(const QByteArray& bytes, TextEncoding encoding) {
    return encoding == TextEncoding::Utf8 ? QString::fromUtf8(bytes) : fromSjis(bytes);
}

bool isMultiByteUtf8(const QByteArray& bytes) {
    bool multiByte = false;
    for (qsizetype i = 0; i < bytes.size();) {
        const uchar lead = uchar(bytes[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        // The lead byte gives the length; overlong forms and surrogates are invalid.
        int length = 0;
        uchar secondMin = 0x80, secondMax = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            secondMin = lead == 0xE0 ? 0xA0 : 0x80;
            secondMax = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            secondMin = lead == 0xF0 ? 0x90 : 0x80;
            secondMax = lead == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        if (i + length > bytes.size())
            return false;
        for (int k = 1; k < length; ++k) {
            const uchar next = uchar(bytes[i + k]);
            const uchar low = k == 1 ? secondMin : 0x80;
            const uchar high = k == 1 ? secondMax : 0xBF;
            if (next < low || next > high)
                return false;
        }
        multiByte = true;
        i += length;
    }
    return multiByte;
}

QList<QByteArray> splitLines(const QByteArray& text) {
    QList<QByteArray> lines;
    const qsizetype end = text.size();
    qsizetype start = 0;
    while (start < end) {
        qsizetype i = start;
        while (i < end && text[i] != '\r' && text[i] != '\n')
            ++i;
        lines.append(text.mid(start, i - start).replace('\0', ' '));
        if (i < end && text[i] == '\r' && i + 1 < end && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    return lines;
}

QByteArray joinLinesCrLf(const QList<QByteArray>& lines) {
    QByteArray out;
    for (const QByteArray& line : lines) {
        out.append(line);
        out.append("\r\n", 2);
    }
    return out;
}

} // namespace lccd
