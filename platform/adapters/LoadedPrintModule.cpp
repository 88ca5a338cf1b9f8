#include "platform/adapters/LoadedPrintModule.h"

#include "platform/AppError.h"
#include "platform/adapters/PrintModule.h"
#include "platform/adapters/ProgramModule.h"

namespace lccd {

LoadedPrintModule::LoadedPrintModule() = default;

LoadedPrintModule::~LoadedPrintModule() = default;

PrinterSystem& LoadedPrintModule::printers() {
    if (current_)
        return *current_;
    QString reason;
    using Entry = PrinterSystem* (*)();
    const auto entry = reinterpret_cast<Entry>(resolveProgramModule(
        QStringLiteral("lccdtool-printers.so"), "lccdPrintModuleOpen", reason));
    if (!entry)
        throw AppError(QStringLiteral("プリンターのライブラリを読み込めません: %1").arg(reason));
    queues_.reset(entry());
    current_ = queues_.get();
    return *current_;
}

} // namespace lccd
