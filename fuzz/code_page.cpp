#include "fuzz/FuzzInput.h"
#include "platform/CodePage.h"

// Shift-JIS decoding and line splitting of any bytes, and encoding of any UTF-16 text; the
// lossless form gives back every byte.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lccd;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    fuzz::require(fromSjis(bytes).size() <= bytes.size(), "one character at most per byte");
    fuzz::require(toSjisLossless(fromSjisLossless(bytes)) == bytes,
                  "the lossless form writes back the bytes it read");
    qsizetype kept = 0;
    for (const QByteArray& line : splitLines(bytes)) {
        fuzz::require(!line.contains('\r') && !line.contains('\n') && !line.contains('\0'),
                      "lines hold no line ends and no NUL");
        kept += line.size();
    }
    fuzz::require(kept == bytes.size() - bytes.count('\r') - bytes.count('\n'),
                  "the lines keep every byte but the line ends");
    const QString text = fuzz::utf16Text(data, size);
    fuzz::require(toSjis(text).size() <= 2 * text.size(), "two bytes at most per code unit");
    fuzz::require(toSjisLossless(text).size() <= 2 * text.size(),
                  "two bytes at most per code unit, kept bytes too");
    return 0;
}
