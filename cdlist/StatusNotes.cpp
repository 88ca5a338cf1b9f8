#include "cdlist/StatusNotes.h"

#include "cdlist/StatusPanel.h"

namespace lccd {

void showDiscNotes(StatusPanel& status, const DiscNotes& notes) {
    for (const DiscNote& note : notes) {
        if (note.kind == DiscNoteKind::WavFilesLeftOut)
            status.setText(discNoteText(note));
        else
            status.ShowStatusMessage(discNoteText(note));
    }
}

} // namespace lccd
