#include "fuzz/FuzzInput.h"
#include "tests/support/WrapProperties.h"

#include <fuzzer/FuzzedDataProvider.h>

namespace {

QByteArray consumeBytes(FuzzedDataProvider& input, size_t maxLength) {
    const std::string bytes = input.ConsumeRandomLengthString(maxLength);
    return QByteArray(bytes.data(), qsizetype(bytes.size()));
}

} // namespace

// The wrap engine with any options on any text: the rows hold every byte of the text once and in
// order, a NUL as a blank, line breaks aside, and one row ends each line.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lccd;
    FuzzedDataProvider input(data, size);
    WrapOption options;
    options.WrapByte = input.ConsumeIntegralInRange(-5, 300);
    options.WordBreak = input.ConsumeBool();
    options.FollowPunctuation = input.ConsumeBool();
    options.Leading = input.ConsumeBool();
    options.FollowRetMark = input.ConsumeBool();
    options.TabSpaceCount = input.ConsumeIntegralInRange(-2, 300);
    if (input.ConsumeBool()) {
        options.PunctuationStr = consumeBytes(input, 16);
        options.LeadStr = consumeBytes(input, 16);
        options.FollowStr = consumeBytes(input, 16);
    }
    const QByteArray text = consumeBytes(input, size);

    const char* broken = test::brokenWrapProperty(text, options);
    fuzz::require(broken == nullptr, broken);
    return 0;
}
