#include "render/ParagraphItem.h"
#include "render/WrapEngine.h"

// A paragraph's text file, any bytes: byte-order marks, project header lines, then wrapping.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lccd;
    const QByteArray file(reinterpret_cast<const char*>(data), qsizetype(size));
    wrapText(StripProjectHeader(readParagraphLines(file)), paragraphWrapOption(60));
    return 0;
}
