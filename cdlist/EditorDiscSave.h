#pragma once

#include "cdlist/MessageBoxSaveQuestions.h"
#include "disc/DiscSaveCommand.h"

namespace lccd {

class CdListPresenter;

// The CD list editor's save: the disc as the editor holds it, the questions answered with
// message boxes, the outcome shown on the editor's status panel.
class EditorDiscSave {
public:
    explicit EditorDiscSave(CdListPresenter& editor);

    // The label layout's path, or nothing when nothing was written (DiscSaveCommand::run).
    std::optional<QString> run(DiscSaveSettings& settings);

    const QStringList& untaggedSongs() const { return save_.untaggedSongs(); }

private:
    CdListPresenter& editor_;
    MessageBoxSaveQuestions questions_;
    DiscSaveCommand save_;
};

} // namespace lccd
