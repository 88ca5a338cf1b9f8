#include "cdlist/StatusPanel.h"
#include "cdlist/TrackTags.h"
#include "fuzz/FuzzInput.h"
#include "platform/AppError.h"
#include "platform/Mp3Infp.h"
#include "platform/adapters/SongDecoder.h"
#include "platform/adapters/TagLibMp3Infp.h"
#include "platform/codecs/CodedAudio.h"
#include "platform/codecs/Riff.h"
#include "platform/codecs/RiffSif.h"
#include "platform/codecs/SongTagFields.h"

#include <QFile>

#include <fuzzer/FuzzedDataProvider.h>

namespace {

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The audio of a WAV file (or the stream of an RMP file) as a reader finds it.
QByteArray audioOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const std::optional<lccd::RiffLayout> layout = lccd::readRiffLayout(file);
    const lccd::RiffChunk* data = layout ? layout->find("data") : nullptr;
    return data != nullptr && file.seek(data->dataOffset) ? file.read(data->size) : QByteArray();
}

// After the title was changed to "fuzz": it reads back, and the other values keep their bytes.
void requireOnlyTitleChanged(lccd::Mp3Infp& library, const QString& path,
                             const lccd::TagSet& stored) {
    using namespace lccd;
    const TagSet saved = ReadTagSet(library, path);
    fuzz::require(saved[TagField::Title] == "fuzz", "the changed title reads back");
    for (TagField field :
         {TagField::Performer, TagField::Album, TagField::Comment, TagField::Year, TagField::Genre})
        fuzz::require(saved[field] == stored[field], "the other values keep their bytes");
}

// The song's samples as the decoder delivers them; nothing when it cannot decode the song.
std::optional<std::vector<float>> decodedSamples(const QString& path) {
    std::vector<float> samples;
    try {
        lccd::SongDecoder decoder;
        const std::unique_ptr<lccd::AudioStream> song = decoder.open(path);
        const qint64 channels = song->format().channels();
        std::vector<float> block(size_t(1024 * channels));
        while (const qint64 frames = song->read(block.data(), 1024))
            samples.insert(samples.end(), block.begin(), block.begin() + frames * channels);
    } catch (const lccd::AppError&) {
        return std::nullopt;
    }
    return samples;
}

// A changed title of a FLAC or Ogg song: it reads back and the other values keep theirs. A FLAC
// song's decoder delivers the samples it had (unless the save mended a damaged comment so that
// a song the decoder refused decodes now). An Ogg song is held to the packet comparison the save
// makes itself: where its pages are damaged beyond their checksums, the decoder's output
// depends on the pages around the comment, which the save rewrites.
void changeVorbisCommentTitle(lccd::Mp3Infp& library, const QString& path, lccd::TrackTags tags) {
    using namespace lccd;
    const std::optional<std::vector<float>> samples =
        codedContainerOf(path) == CodedContainer::Flac ? decodedSamples(path) : std::nullopt;
    const TagSet stored = ReadTagSet(library, path);
    tags.title = QStringLiteral("fuzz");
    if (WriteTrackTags(library, path, tags, true) != TagWriteResult::Written)
        return;
    requireOnlyTitleChanged(library, path, stored);
    fuzz::require(!samples || decodedSamples(path) == samples, "the audio stays as it was");
}

} // namespace

// The tag library's load of a song file of any bytes, named as a WAV or as an MP3 file (a FLAC
// or Ogg song is known by its first bytes), every value read. Then the two promises a tag save
// makes: with no value changed the file keeps every byte, and a changed title leaves the other
// values' bytes and the audio as they were.
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
    for (const char* suffix : {"", "_rmp", "_v1", "_v2", "_id3"})
        for (const QByteArray& id : kSongTagIds)
            library.GetValue(id + suffix);

    StatusPanel status;
    TrackTags tags = ReadTrackTags(library, path, status);
    const QByteArray before = bytesOf(path);
    fuzz::require(WriteTrackTags(library, path, tags, true) == TagWriteResult::Unchanged,
                  "a save of the values read changes nothing");
    fuzz::require(bytesOf(path) == before, "an unchanged song keeps every byte");

    if (library.GetType() == SongFileType::VorbisComment) {
        changeVorbisCommentTitle(library, path, tags);
        return 0;
    }
    if (library.GetType() != SongFileType::Wav && library.GetType() != SongFileType::Mp3)
        return 0;
    const bool rmp = (library.mp3_GetTagType() & TagTypeFlags::RiffSif) != 0;
    if (library.GetType() == SongFileType::Mp3 && !rmp)
        return 0; // a plain MP3 file changes form on its first write
    const TagSet stored = ReadTagSet(library, path);
    // An MP3 stream without any ID3 tag is given an empty ID3v1 tag on its first write.
    const bool getsId3v1 =
        rmp && (library.mp3_GetTagType() & (TagTypeFlags::Id3v1 | TagTypeFlags::Id3v2)) == 0;
    const QByteArray audio = audioOf(path) + (getsId3v1 ? emptyId3v1Tag() : QByteArray());
    tags.title = QStringLiteral("fuzz");
    if (WriteTrackTags(library, path, tags, true) != TagWriteResult::Written)
        return 0;
    requireOnlyTitleChanged(library, path, stored);
    fuzz::require(audioOf(path) == audio, "the audio keeps its bytes");
    return 0;
}
