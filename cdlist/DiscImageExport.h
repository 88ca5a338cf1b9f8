#pragma once

#include "audio/LoudnessAnalysis.h"
#include "disc/TrackRow.h"

#include <QString>

#include <functional>
#include <optional>

namespace lccd {

class AudioDecoder;
struct DiscInfo;

// The disc's image for a CD-writing program, from the CD list editor: asks where to write the
// WAV file (named after the album, beside the disc's folder, out of the songs' way),
// asks before its CUE sheet replaces a file, and writes both as `lccdtool-cli image` does,
// telling the percent written whenever it grows. Returns the words for the status panel;
// nothing when the user cancels. Throws AppError as writeDiscImage does.
std::optional<QString> exportDiscImage(AudioDecoder& decoder, const DiscInfo& disc,
                                       const TrackRows& tracks, bool gaps,
                                       const std::function<void(int percent)>& progress,
                                       const TrackLevelling& levelling = {});

} // namespace lccd
