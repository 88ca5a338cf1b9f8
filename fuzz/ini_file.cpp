#include "app/Settings.h"
#include "fuzz/FuzzInput.h"
#include "layout/LayoutIniStore.h"

// The program's INI file, any bytes: the settings and the stored layout read from it.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lccd;
    const QString path = fuzz::scratchFile(data, size, QStringLiteral("lccdtool.ini"));
    LoadSettings(path);
    LoadLayoutFromIni(path);
    return 0;
}
