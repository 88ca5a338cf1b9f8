#include "cdlist/EditorDiscSave.h"

#include "cdlist/CdListPresenter.h"
#include "cdlist/StatusNotes.h"

namespace lccd {

EditorDiscSave::EditorDiscSave(CdListPresenter& editor)
    : editor_(editor), save_(editor.tagLibrary(), questions_) {}

std::optional<QString> EditorDiscSave::run(DiscSaveSettings& settings) {
    const DiscSaveOutcome outcome =
        save_.run(editor_.disc(), editor_.tracks().rows(), editor_.loadedSongs(), settings);
    showDiscNotes(editor_.status(), outcome.notes);
    if (outcome.messageStays)
        editor_.status().showUntilReplaced(outcome.message);
    else if (!outcome.message.isEmpty())
        editor_.ShowStatusMessage(outcome.message);
    return outcome.labelPath;
}

} // namespace lccd
