#include "fuzz/FuzzInput.h"
#include "platform/codecs/InfoTagFile.h"
#include "platform/codecs/RiffSif.h"

#include <QFile>

namespace {

std::optional<lccd::RiffLayout> layoutOf(const QString& path) {
    QFile file(path);
    lccd::fuzz::require(file.open(QIODevice::ReadOnly), "the scratch file opens");
    return lccd::readRiffLayout(file);
}

} // namespace

// The chunks of a RIFF file of any bytes, and the copy with a changed INFO title: every chunk
// lies inside the file, and the copy holds what the save's own check expects.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lccd;
    const QString path = fuzz::scratchFile(data, size, QStringLiteral("song.wav"));
    const std::optional<RiffLayout> layout = layoutOf(path);
    if (!layout)
        return 0;
    QFile source(path);
    fuzz::require(source.open(QIODevice::ReadOnly), "the scratch file opens");
    for (const RiffChunk& chunk : layout->chunks)
        fuzz::require(chunk.dataOffset + chunk.size <= source.size(), "chunks lie in the file");
    if (const RiffChunk* dataChunk = layout->find("data"))
        id3TagsOfStream(source, dataChunk->dataOffset, dataChunk->size);

    QFile copy(path + QStringLiteral(".copy"));
    fuzz::require(copy.open(QIODevice::ReadWrite | QIODevice::Truncate), "the copy opens");
    const TagFields changes = {{"INAM", "fuzz"}};
    if (!writeWithInfoChanges(source, *layout, changes, copy))
        return 0;
    fuzz::require(holdsInfoChanges(source, *layout, changes, copy), "the copy holds the change");
    copy.close();
    const std::optional<RiffLayout> copied = layoutOf(copy.fileName());
    fuzz::require(copied && copied->form == layout->form, "the copy is a RIFF file of the form");
    return 0;
}
