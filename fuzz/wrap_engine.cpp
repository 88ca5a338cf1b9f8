#include "fuzz/FuzzInput.h"
#include "platform/CodePage.h"
#include "render/WrapEngine.h"

#include <fuzzer/FuzzedDataProvider.h>

namespace {

QByteArray consumeBytes(FuzzedDataProvider& input, size_t maxLength) {
    const std::string bytes = input.ConsumeRandomLengthString(maxLength);
    return QByteArray(bytes.data(), qsizetype(bytes.size()));
}

} // namespace

// The wrap engine with any options on any text: the rows hold every byte of the text before its
// first NUL once and in order, line breaks aside, and one row ends each line.
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

    QByteArray expected = text.left(text.indexOf('\0') < 0 ? text.size() : text.indexOf('\0'));
    const qsizetype lines = splitLines(expected).size();
    expected.removeIf([](char c) { return c == '\r' || c == '\n'; });
    QByteArray joined;
    qsizetype lineEnds = 0;
    for (const WrappedRow& row : wrapText(text, options)) {
        fuzz::require(!row.bytes.isEmpty() || row.mark == RowMark::LineEnd,
                      "only a line's last row may be empty");
        joined += row.bytes;
        lineEnds += row.mark == RowMark::LineEnd;
    }
    fuzz::require(joined == expected, "every byte once and in order");
    fuzz::require(lineEnds == lines, "one row ends each line");
    return 0;
}
