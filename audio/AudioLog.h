#pragma once

#include <QLoggingCategory>

// Traces of the audio library's quiet decisions (how a song is made CD audio, measurements reused,
// silence filled in); off unless asked for: QT_LOGGING_RULES="lccd.audio.debug=true".
namespace lccd {

Q_DECLARE_LOGGING_CATEGORY(lcAudio)

} // namespace lccd
