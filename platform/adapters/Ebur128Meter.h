#pragma once

#include "platform/LoudnessMeter.h"

namespace lccd {

// Loudness measured by libebur128: integrated loudness with its gating, and the true peak of
// the audio four times oversampled.
class Ebur128Meter final : public LoudnessMeter {
public:
    std::unique_ptr<LoudnessMeasurement> startCdAudio() override;
};

} // namespace lccd
