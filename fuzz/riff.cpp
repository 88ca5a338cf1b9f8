#include "fuzz/FuzzInput.h"
#include "platform/codecs/RiffSif.h"

#include <QFile>

namespace {

std::optional<lccd::RiffLayout> layoutOf(const QString& path) {
    QFile file(path);
    lccd::fuzz::require(file.open(QIODevice::ReadOnly), "the scratch file opens");
    return lccd::readRiffLayout(file);
}

} // namespace

// The chunks of a RIFF file of any bytes, and the copy that grows its "data" chunk (as the
// ID3v1 tag of an MP3 file in RMP form is added): every chunk lies inside the file, and the
// copy holds the same chunks.
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
    const RiffChunk* dataChunk = layout->find("data");
    if (dataChunk == nullptr)
        return 0;
    id3TagsOfStream(source, dataChunk->dataOffset, dataChunk->size);

    QFile copy(path + QStringLiteral(".copy"));
    fuzz::require(copy.open(QIODevice::ReadWrite | QIODevice::Truncate), "the copy opens");
    if (!writeWithDataAppended(source, *layout, emptyId3v1Tag(), copy))
        return 0;
    copy.close();
    const std::optional<RiffLayout> copied = layoutOf(copy.fileName());
    fuzz::require(copied && copied->form == layout->form, "the copy is a RIFF file of the form");
    fuzz::require(copied->chunks.size() >= layout->chunks.size(), "the copy keeps every chunk");
    for (qsizetype i = 0; i < layout->chunks.size(); ++i)
        fuzz::require(copied->chunks[i].id == layout->chunks[i].id, "the chunks keep their order");
    fuzz::require(copied->find("data")->size == dataChunk->size + emptyId3v1Tag().size(),
                  "the data chunk grew by the tag");
    return 0;
}
