#include "cdlist/CdListPresenter.h"
#include "cdlist/FolderLoader.h"
#include "disc/CueSheet.h"
#include "disc/DiscProject.h"
#include "disc/LabelLayout.h"
#include "fuzz/FuzzInput.h"
#include "tests/support/DesktopSongs.h"

#include <QFileInfo>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    lccd::fuzz::startQtApplication();
    return 0;
}

// A disc project file of any bytes, loaded with its folder as the CD list editor loads it, and
// the files a save would write made from what was read.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lccd;
    const QString project = fuzz::scratchFile(data, size, QStringLiteral("project.txt"));
    test::DesktopSongs songs;
    CdListPresenter editor(songs.services());
    LoadFolder(editor, QFileInfo(project).path());
    discProjectLines(editor.disc(), editor.tracks().rows());
    DiscNotes notes;
    cueSheetLines(editor.disc(), editor.tracks().rows(), {}, notes);
    labelSongRows(editor.tracks().rows(), editor.disc().spellings);
    return 0;
}
