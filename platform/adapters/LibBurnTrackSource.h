#pragma once

#include "platform/DiscBurner.h"

#include <QString>

#include <memory>
#include <mutex>

namespace burn {
struct burn_source;
} // namespace burn

namespace lccd {

// The first error a track's audio raised while libburn pulled it, kept for the thread that
// reports the burn.
class TrackSourceError {
public:
    void note(const QString& message);
    QString message() const;

private:
    mutable std::mutex mutex_;
    QString message_;
};

// A libburn data source that pulls a track's audio from source as libburn's writing thread asks
// for it: no file in between. Its size is the audio's byte count. An error of the audio ends
// the track with a failure that libburn reports, and its message goes to error. The caller owns
// one reference (burn_source_free).
burn::burn_source* newLibBurnTrackSource(std::unique_ptr<BurnTrackSource> source,
                                         std::shared_ptr<TrackSourceError> error);

} // namespace lccd
