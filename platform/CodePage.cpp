#include "platform/CodePage.h"

#include <QtEndian>

#include <cerrno>
#include <iconv.h>
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
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error("iconv cannot convert between CP932 and UTF-16");
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts the whole input. On a sequence it cannot convert it calls
    // onInvalid(out, in, inLeft), which appends a replacement and skips input.
    template <typename OnInvalid>
    void convert(const char* in, size_t inLeft, QByteArray& out, OnInvalid onInvalid) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        QByteArray buffer(4096, Qt::Uninitialized);
        while (inLeft > 0) {
            char* inPtr = const_cast<char*>(in);
            char* outPtr = buffer.data();
            size_t outLeft = size_t(buffer.size());
            const size_t rc = iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft);
            const int error = errno;
            out.append(buffer.constData(), buffer.size() - qsizetype(outLeft));
            in = inPtr;
            if (rc != size_t(-1) || error == E2BIG)
                continue;
            onInvalid(out, in, inLeft);
        }
    }

private:
    iconv_t cd_;
};

Converter& encoder() {
    thread_local Converter converter(kSjis, kUtf16);
    return converter;
}

Converter& decoder() {
    thread_local Converter converter(kUtf16, kSjis);
    return converter;
}

} // namespace

QByteArray toSjis(const QString& text) {
    QByteArray out;
    out.reserve(text.size() * 2);
    encoder().convert(reinterpret_cast<const char*>(text.utf16()), size_t(text.size()) * 2, out,
                      [](QByteArray& sjis, const char*& in, size_t& inLeft) {
                          // Skip one character: both halves of a surrogate pair.
                          const char16_t unit = qFromUnaligned<char16_t>(in);
                          size_t skip = 2;
                          if (QChar::isHighSurrogate(unit) && inLeft >= 4 &&
                              QChar::isLowSurrogate(qFromUnaligned<char16_t>(in + 2)))
                              skip = 4;
                          skip = qMin(skip, inLeft);
                          sjis.append('?');
                          in += skip;
                          inLeft -= skip;
                      });
    return out;
}

QString fromSjis(const QByteArray& bytes) {
    QByteArray utf16;
    utf16.reserve(bytes.size() * 2);
    decoder().convert(bytes.constData(), size_t(bytes.size()), utf16,
                      [](QByteArray& out, const char*& in, size_t& inLeft) {
                          const char16_t replacement = QChar::ReplacementCharacter;
                          out.append(reinterpret_cast<const char*>(&replacement), 2);
                          ++in;
                          --inLeft;
                      });
    return QString(reinterpret_cast<const QChar*>(utf16.constData()), utf16.size() / 2);
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
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = characterLength(text, i);
        const QString character = text.mid(i, length);
        i += length;
        if (character != QLatin1String("?") && toSjis(character) == "?" &&
            !outside.contains(character))
            outside.append(character);
    }
    return outside;
}

QList<QByteArray> splitLines(const QByteArray& text) {
    QList<QByteArray> lines;
    qsizetype end = text.indexOf('\0');
    if (end < 0)
        end = text.size();
    qsizetype start = 0;
    while (start < end) {
        qsizetype i = start;
        while (i < end && text[i] != '\r' && text[i] != '\n')
            ++i;
        lines.append(text.mid(start, i - start));
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
