#include "disc/CueSheet.h"
#include "disc/DiscProject.h"
#include "disc/FolderLoad.h"
#include "disc/LabelLayout.h"
#include "disc/SongLengths.h"
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
    const SongServices services = songs.services();
    SongLengths lengths(services.lengths, services.decoder);
    Disc disc;
    disc.info.setFolderPath(QFileInfo(project).path());
    disc = loadDiscFolder(disc, disc.info.folderPath, {services.tags, lengths, services.decoder})
               .disc.value_or(disc);
    discProjectLines(disc.info, disc.tracks);
    DiscNotes notes;
    cueSheetLines(disc.info, disc.tracks, {}, notes);
    labelSongRows(disc.tracks, disc.info.spellings);
    return 0;
}
