#include "common/MyCommonW.h"
#include "fuzz/FuzzInput.h"

// The row line field reader on any UTF-16 text: all fields at once, the count and the fields
// one by one agree.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lccd;
    const QString line = fuzz::utf16Text(data, size);
    const QStringList fields = csvFieldsW(line);
    const int count = CsvFieldCountW(line);
    fuzz::require(fields.size() == count, "csvFieldsW and CsvFieldCountW agree");
    for (int n : {0, 1, 2, count, count + 1})
        fuzz::require(CsvFieldW(line, n) == (n >= 1 && n <= count ? fields[n - 1] : QString()),
                      "CsvFieldW gives the field csvFieldsW gives");
    return 0;
}
