#pragma once

#include "disc/DiscNotes.h"

namespace lccd {

class StatusPanel;

// Shows the notes on the status panel in order, as their own messages (cleared after a while);
// the note that unsplit mode left WAV files out is set without a clear of its own.
void showDiscNotes(StatusPanel& status, const DiscNotes& notes);

} // namespace lccd
