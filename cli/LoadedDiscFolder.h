#pragma once

#include "cdlist/CdListPresenter.h"
#include "cli/CommandLine.h"

namespace lccd {

// The CD list editor as it stands once the folder a command names is chosen and loaded, as
// the window's folder box loads it, its songs read and measured with the context's services.
// Its status messages (files it could not read, lengths only estimated) go to the error stream.
// Throws AppError when there is no such folder.
class LoadedDiscFolder {
public:
    LoadedDiscFolder(const QString& folder, CliContext& context);

    CdListPresenter& editor() { return editor_; }

private:
    CdListPresenter editor_;
};

} // namespace lccd
