#include "fuzz/FuzzInput.h"
#include "render/HalfKana.h"

// Half-width katakana conversion of any UTF-16 text: a mark merges into its kana, so the text
// never grows.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lccd;
    const QString text = fuzz::utf16Text(data, size);
    fuzz::require(HalfKanaToFull(text).size() <= text.size(), "the text never grows");
    return 0;
}
