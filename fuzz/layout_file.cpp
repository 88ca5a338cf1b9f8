#include "fuzz/FuzzInput.h"
#include "layout/DecodedRow.h"
#include "layout/LayoutFile.h"

// A layout file of any bytes, opened as the main window opens it: each row line becomes a row,
// is written back as a row line and decoded for drawing.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lccd;
    const QString path = fuzz::scratchFile(data, size, QStringLiteral("layout.csv"));
    const std::optional<LayoutFileContent> content = readLayoutFile(path).content;
    if (!content)
        return 0;
    for (const QString& line : content->rowLines) {
        const LayoutItem row = LayoutItem::fromRowLine(line, content->headerFieldCount);
        decodeRow(row.toRowLine());
        kindIcon(row.field(Field::Id));
    }
    return 0;
}
