#pragma once

#include "platform/Printer.h"

// The print module, lccdtool-printers.so: the CUPS queues (QtPrinterSystem) in a library of
// their own, which lccdtool-cli loads only for the commands that print on a queue, so that the
// others start without loading Qt Widgets and Qt PrintSupport (and CUPS).

// The module's one entry: a new print system, which the caller owns and deletes before the
// application object goes.
extern "C" lccd::PrinterSystem* lccdPrintModuleOpen();
