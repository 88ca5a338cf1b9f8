#pragma once

#include "audio/LoudnessAnalysis.h"
#include "cli/CommandLine.h"

#include <QList>

// "--level song|disc" and "--target LUFS" of the commands that make a disc's audio.
namespace lccd {

QList<QCommandLineOption> levelOptions();

// The levelling the options ask for: off without --level. Throws UsageError for another mode,
// for a target that is no number from -30 to -5, and for --target without --level.
LevelSettings levelSettings(const QCommandLineParser& parser);

// Levels the songs as the settings ask, telling the songs measured on standard error; empty
// when levelling is off.
TrackLevelling cliLevelling(CliContext& context, const LevelSettings& settings,
                            LoudnessCache& cache);

} // namespace lccd
