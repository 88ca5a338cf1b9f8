#include "common/SjisCsv.h"

#include <fuzzer/FuzzedDataProvider.h>

// The disc project field reader on any bytes, asked for any field number.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lccd;
    FuzzedDataProvider input(data, size);
    const int n = input.ConsumeIntegralInRange(-1, 40);
    const std::string rest = input.ConsumeRemainingBytesAsString();
    const QByteArray line(rest.data(), qsizetype(rest.size()));
    int status = CsvStatus::Ok;
    GetCsvField(line, n, status);
    CsvFieldCount(line);
    StripQuotePair(line);
    return 0;
}
