#include "common/ColorText.h"
#include "common/Numbers.h"
#include "fuzz/FuzzInput.h"
#include "platform/AppError.h"

// Color words and numbers as rows and settings hold them, on any UTF-16 text.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lccd;
    const QString text = fuzz::utf16Text(data, size);
    colorToText(ColorFromText(text, kColorNone));
    try {
        pickerColorFromText(text, kColorBlack);
    } catch (const AppError&) {
        // a text that is no color is reported, as the dialog reports it
    }
    StrToIntLoose(text);
    parseIntField(text);
    parseDecimal(text);
    if (const std::optional<qint32> value = parseInt32(text))
        fuzz::require(parseInt32(QString::number(*value)) == value, "a number reads back");
    return 0;
}
