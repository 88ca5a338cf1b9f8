#pragma once

#include "platform/DiscBurner.h"

namespace lccd {

// The drives of this system through libburn (the engine of the Linux desktop burners).
class LibBurnDiscBurner final : public DiscBurner {
public:
    QList<BurnDrive> drives() override;
    BurnMedium inspect(const QString& address) override;
    std::unique_ptr<BurnJob> start(const QString& address, BurnSession session,
                                   const BurnOptions& options) override;
};

} // namespace lccd
