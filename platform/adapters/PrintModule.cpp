#include "platform/adapters/PrintModule.h"

#include "platform/adapters/QtPrinters.h"

lccd::PrinterSystem* lccdPrintModuleOpen() {
    return new lccd::QtPrinterSystem;
}
