#include "disc/TrackTags.h"
#include "fuzz/FuzzInput.h"
#include "platform/Mp3Infp.h"
#include "platform/adapters/TagLibCoverPictures.h"
#include "platform/adapters/TagLibMp3Infp.h"
#include "platform/codecs/CodedAudio.h"
#include "platform/codecs/Riff.h"
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

// A changed title of a FLAC or Ogg song: it reads back, the other values keep theirs, and the
// coded audio is what it was (FLAC: every frame byte for byte; Ogg: every audio packet). The
// frames, not a decoder's output, judge it: a damaged FLAC song's decoding by libsndfile can
// change when its comment is rewritten though no frame did, while FFmpeg's stays.
void changeVorbisCommentTitle(lccd::Mp3Infp& library, const QString& path, lccd::TrackTags tags) {
    using namespace lccd;
    const QString before = path + QStringLiteral(".before");
    QFile::remove(before);
    fuzz::require(QFile::copy(path, before), "the song is copied");
    const TagSet stored = ReadTagSet(library, path);
    tags.title = QStringLiteral("fuzz");
    if (WriteTrackTags(library, path, tags, true) == TagWriteResult::Written) {
        requireOnlyTitleChanged(library, path, stored);
        fuzz::require(sameCodedAudio(before, path), "the audio stays as it was");
    }
    QFile::remove(before);
}

} // namespace

// The tag library's load of a song file of any bytes, named as a WAV or as an MP3 file (the
// other formats are known by their first bytes), every value and the front cover read. Then the two
// promises a tag save makes: with no value changed the file keeps every byte, and a changed title
// leaves the other values' bytes and the audio as they were.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lccd;
    FuzzedDataProvider input(data, size);
    const QString name =
        input.ConsumeBool() ? QStringLiteral("song.wav") : QStringLiteral("song.mp3");
    const std::vector<uint8_t> bytes = input.ConsumeRemainingBytes<uint8_t>();
    const QString path = fuzz::scratchFile(bytes.data(), bytes.size(), name);
    TagLibCoverPictures().frontCover(path);
    TagLibMp3Infp library;
    if (library.Load(path) != 0)
        return 0;
    for (const char* suffix : {"", "_rmp", "_v1", "_v2", "_id3"})
        for (const QByteArray& id : kSongTagIds)
            library.GetValue(id + suffix);

    DiscNotes notes;
    TrackTags tags = ReadTrackTags(library, path, notes);
    const QByteArray before = bytesOf(path);
    fuzz::require(WriteTrackTags(library, path, tags, true) == TagWriteResult::Unchanged,
                  "a save of the values read changes nothing");
    fuzz::require(bytesOf(path) == before, "an unchanged song keeps every byte");

    if (library.GetType() == SongFileType::VorbisComment) {
        changeVorbisCommentTitle(library, path, tags);
        return 0;
    }
    const bool riff = library.GetType() == SongFileType::Wav ||
                      (library.mp3_GetTagType() & TagTypeFlags::RiffSif) != 0;
    if (!riff) {
        // A plain MP3 file and the other formats: the save holds the copy to the same audio
        // packets itself; a value may move from an ID3v1 tag into a new Unicode tag, so the
        // values are judged as texts.
        const TrackTags shown = tags;
        tags.title = QStringLiteral("fuzz");
        if (WriteTrackTags(library, path, tags, true) != TagWriteResult::Written)
            return 0;
        TrackTags saved = ReadTrackTags(library, path, notes);
        fuzz::require(saved.title == tags.title, "the changed title reads back");
        saved.title = shown.title;
        fuzz::require(saved == shown, "the other values stay");
        return 0;
    }
    const TagSet stored = ReadTagSet(library, path);
    const QByteArray audio = audioOf(path);
    tags.title = QStringLiteral("fuzz");
    if (WriteTrackTags(library, path, tags, true) != TagWriteResult::Written)
        return 0;
    requireOnlyTitleChanged(library, path, stored);
    fuzz::require(audioOf(path) == audio, "the audio keeps its bytes");
    return 0;
}
