#include "fuzz/FuzzInput.h"
#include "platform/TagLibMp3Infp.h"

#include <fuzzer/FuzzedDataProvider.h>

// The tag library's load of a song file of any bytes, named as a WAV or as an MP3 file, every
// value read; a value saved into a writable file reads back.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lccd;
    FuzzedDataProvider input(data, size);
    const QString name =
        input.ConsumeBool() ? QStringLiteral("song.wav") : QStringLiteral("song.mp3");
    const std::vector<uint8_t> bytes = input.ConsumeRemainingBytes<uint8_t>();
    const QString path = fuzz::scratchFile(bytes.data(), bytes.size(), name);
    TagLibMp3Infp library;
    if (library.Load(path) != 0)
        return 0;
    library.GetType();
    library.mp3_GetTagType();
    for (const char* suffix : {"", "_rmp", "_v1", "_v2"})
        for (const QByteArray& id : kSongTagIds)
            library.GetValue(id + suffix);
    const QByteArray title = library.GetType() == SongFileType::Wav ? "INAM" : "INAM_rmp";
    if (library.SetValue(title, "fuzz") == 0 && library.Save(path) == 0) {
        fuzz::require(library.Load(path) == 0, "the saved song loads");
        fuzz::require(library.GetValue(title) == "fuzz", "the saved value reads back");
    }
    return 0;
}
