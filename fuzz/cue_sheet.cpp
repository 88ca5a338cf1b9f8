#include "disc/CueSheetReader.h"
#include "fuzz/FuzzInput.h"

// A CUE sheet of any bytes, as a folder of an album image holds it: every track read has a
// number and places a CD holds, and its start reads back from the form a sheet writes it in.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lccd;
    const CueSheetContent sheet =
        readCueSheet(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    lccd::fuzz::require(sheet.tracks.size() <= 99, "99 tracks at most");
    for (const CueTrack& track : sheet.tracks) {
        lccd::fuzz::require(track.number >= 1 && track.number <= 99, "track numbers 1 to 99");
        lccd::fuzz::require(track.start >= 0, "no position before the file's start");
        lccd::fuzz::require(!track.pregapStart || *track.pregapStart <= track.start,
                            "the pregap lies before its track");
        const QString line =
            QStringLiteral("FILE f WAVE\nTRACK 01 AUDIO\nINDEX 01 ") + cuePositionText(track.start);
        lccd::fuzz::require(parseCueSheet(line).tracks.value(0).start == track.start,
                            "a position reads back as written");
    }
    return 0;
}
