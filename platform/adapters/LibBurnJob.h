#pragma once

#include "platform/DiscBurner.h"
#include "platform/adapters/LibBurnLibrary.h"
#include "platform/adapters/LibBurnTrackSource.h"

#include <optional>
#include <vector>

namespace burn {
struct burn_disc;
struct burn_write_opts;
} // namespace burn

namespace lccd {

// One session being written by libburn, whose own thread pulls the tracks' audio while this
// object, on the caller's thread, reads the drive's progress.
class LibBurnJob final : public BurnJob {
public:
    // Hands the session to libburn and starts writing; throws AppError with libburn's reasons
    // when the drive or the disc refuses it.
    LibBurnJob(std::unique_ptr<GrabbedDrive> drive, BurnSession session,
               const BurnOptions& options);
    ~LibBurnJob() override;

    BurnStatus status() override;
    void cancel() override;

private:
    void describeSession(BurnSession& session);
    void setWriteOptions(const BurnSession& session, const BurnOptions& options);
    qint64 sectorsBefore(int trackIndex) const;
    BurnStatus finish();

    // Declared first, so that signals stop the drive until the very end.
    std::optional<DrivesStopOnSignals> stopOnSignals_;
    // Released after the disc and options that refer to it.
    std::unique_ptr<GrabbedDrive> drive_;
    std::unique_ptr<burn::burn_disc, void (*)(burn::burn_disc*)> disc_;
    std::unique_ptr<burn::burn_write_opts, void (*)(burn::burn_write_opts*)> options_;
    QByteArray cdTextPacks_;
    std::vector<qint64> trackSectors_;
    std::shared_ptr<TrackSourceError> sourceError_ = std::make_shared<TrackSourceError>();
    bool eject_ = false;
    bool cancelled_ = false;
    std::optional<BurnStatus> result_;
};

} // namespace lccd
