#pragma once

#include "audio/LoudnessAnalysis.h"

#include <QString>

#include <functional>

// The loudness levelling as the windows run it and show it.
namespace lccd {

// Levels the songs, telling "音量を測っています… n / m 曲" through `show` and letting the
// window repaint (but take no clicks) while the songs are measured; empty when levelling is off.
TrackLevelling windowLevelling(const Leveller& leveller,
                               const std::function<void(const QString&)>& show);

// What the levelling does to a song: its loudness, true peak and gain, as a tooltip shows it;
// empty for a song not measured.
QString levelNote(const LoudnessCache& cache, const TrackSource& song);

} // namespace lccd
