#include "platform/adapters/TagLibMp3Infp.h"

#include "platform/StoredTextEncoding.h"
#include "platform/adapters/Id3Tags.h"
#include "platform/adapters/MediaLength.h"
#include "platform/adapters/SongTagFile.h"
#include "platform/adapters/VorbisCommentFile.h"
#include "platform/codecs/CodedAudio.h"
#include "platform/codecs/InfoTagFile.h"
#include "platform/codecs/RiffSif.h"
#include "platform/codecs/SongContainer.h"

#include <QFile>
#include <QFileInfo>

namespace lccd {
namespace {

const QByteArray kRmpSuffix = QByteArrayLiteral("_rmp");
const QByteArray kId3v2Suffix = QByteArrayLiteral("_v2");

void addFields(QHash<QByteArray, QByteArray>& values, const TagFields& fields,
               const QByteArray& suffix) {
    for (auto field = fields.begin(); field != fields.end(); ++field)
        values.insert(field.key() + suffix, field.value());
}

QByteArray timeValue(const QString& path) {
    const std::optional<qint64> ms = mediaLengthMilliseconds(path);
    if (!ms)
        return {};
    const qint64 seconds = *ms / 1000;
    return QByteArray::number(seconds / 60) + ':' +
           QByteArray::number(seconds % 60).rightJustified(2, '0');
}

// The ID3 tags in the MPEG data of an MP3 file in RMP form.
quint32 id3TagsOfRmp(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const std::optional<RiffLayout> layout = readRiffLayout(file);
    const RiffChunk* data = layout ? layout->find("data") : nullptr;
    return data != nullptr ? id3TagsOfStream(file, data->dataOffset, data->size) : 0;
}

// The fields of an ID3v2 tag that taggers keep in a chunk of a WAV file.
TagFields id3ChunkFields(const QString& path) {
    constexpr qint64 kMaxTagBytes = 16 * 1024 * 1024;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const std::optional<RiffLayout> layout = readRiffLayout(file);
    if (!layout)
        return {};
    for (const RiffChunk& chunk : layout->chunks) {
        if (chunk.id.compare("id3 ", Qt::CaseInsensitive) != 0 || chunk.size > kMaxTagBytes ||
            !file.seek(chunk.dataOffset))
            continue;
        if (const std::optional<TagFields> fields = readId3v2Chunk(file.read(chunk.size)))
            return *fields;
    }
    return {};
}

} // namespace

std::optional<TagLibMp3Infp::Song> TagLibMp3Infp::readSong(const QString& path) {
    const QFileInfo info(QFileInfo(path).canonicalFilePath());
    if (!info.isFile())
        return std::nullopt;
    Song song;
    song.path = info.filePath();
    const QByteArray form = riffFormOf(song.path);
    if (form == "WAVE" || form == kRmpForm) {
        const std::optional<TagFields> fields = readInfoFields(song.path);
        if (!fields)
            return std::nullopt;
        const bool rmp = form == kRmpForm;
        song.type = rmp ? SongFileType::Mp3 : SongFileType::Wav;
        song.tags = rmp ? TagTypeFlags::RiffSif | id3TagsOfRmp(song.path) : 0;
        song.writableSuffix = rmp ? kRmpSuffix : QByteArray();
        addFields(song.values, *fields, *song.writableSuffix);
        if (!rmp)
            addFields(song.values, id3ChunkFields(song.path), "_id3");
    } else if (codedContainerOf(song.path) != CodedContainer::None) {
        const std::optional<TagFields> fields = readVorbisCommentFields(song.path);
        if (!fields)
            return std::nullopt;
        song.type = SongFileType::VorbisComment;
        song.writableSuffix = QByteArray();
        addFields(song.values, *fields, *song.writableSuffix);
    } else if (const SongContainer container = songContainerOf(song.path);
               container == SongContainer::Unknown || container == SongContainer::Mpeg) {
        const std::optional<Id3Tags> id3 = readId3Tags(song.path);
        if (!id3)
            return std::nullopt;
        song.type = SongFileType::Mp3;
        song.tags = id3->present;
        if ((song.tags & TagTypeFlags::Id3v2) != 0)
            song.writableSuffix = kId3v2Suffix;
        addFields(song.values, id3->v1, "_v1");
        addFields(song.values, id3->v2, kId3v2Suffix);
        addFields(song.values, id3->ape, "_ape");
    } else if (const std::optional<TagFields> fields = readSongTagFields(song.path)) {
        // Known by the container's own mark: MPEG frames turn up by chance in the bytes of other
        // formats (quiet PCM in an AIFF file is full of them), so such a file is never taken
        // for an MP3 file.
        song.type = SongFileType::Tagged;
        song.writableSuffix = QByteArray();
        addFields(song.values, *fields, *song.writableSuffix);
    } else {
        return std::nullopt;
    }
    song.values.insert("PATH", QFile::encodeName(info.absolutePath()));
    song.values.insert("FILE", QFile::encodeName(info.completeBaseName()));
    song.values.insert("TIME", timeValue(song.path));
    return song;
}

int TagLibMp3Infp::Load(const QString& path) {
    song_ = readSong(path);
    return song_ ? 0 : -1;
}

int TagLibMp3Infp::GetType() {
    return song_ ? song_->type : SongFileType::None;
}

quint32 TagLibMp3Infp::mp3_GetTagType() {
    return song_ && song_->type == SongFileType::Mp3 ? song_->tags : 0;
}

QByteArray TagLibMp3Infp::GetValue(const QByteArray& name) {
    return song_ ? song_->values.value(name) : QByteArray();
}

TagEncoding TagLibMp3Infp::writeEncoding() {
    if (!song_ || !song_->hasInfoTag())
        return TagEncoding::Utf8;
    for (const QByteArray& id : kSongTagIds)
        if (readsAsUtf8(song_->values.value(id + *song_->writableSuffix)))
            return TagEncoding::Utf8;
    return TagEncoding::CodePage932;
}

int TagLibMp3Infp::SetValue(const QByteArray& name, const QByteArray& value) {
    if (!song_ || !song_->writableSuffix || !name.endsWith(*song_->writableSuffix))
        return -1;
    const QByteArray id = name.chopped(song_->writableSuffix->size());
    if (!kSongTagIds.contains(id))
        return -1;
    song_->held.insert(id, value);
    return 0;
}

int TagLibMp3Infp::Save(const QString& path) {
    if (!song_ || QFileInfo(path).canonicalFilePath() != song_->path)
        return -1;
    if (song_->held.isEmpty())
        return 0;
    bool saved = false;
    if (song_->hasInfoTag())
        saved = saveInfoFields(song_->path, song_->held);
    else if (song_->type == SongFileType::VorbisComment)
        saved = saveVorbisCommentFields(song_->path, song_->held);
    else
        saved = saveSongTagFields(song_->path, song_->held);
    if (!saved)
        return -1;
    addFields(song_->values, song_->held, *song_->writableSuffix);
    song_->held.clear();
    return 0;
}

TagLibMp3Infp::Song* TagLibMp3Infp::loadedMp3(const QString& path) {
    const bool loaded = song_ && song_->type == SongFileType::Mp3 &&
                        QFileInfo(path).canonicalFilePath() == song_->path;
    return loaded ? &*song_ : nullptr;
}

int TagLibMp3Infp::makeId3v2(const QString& path) {
    Song* song = loadedMp3(path);
    if (song == nullptr || (song->tags & TagTypeFlags::RiffSif) != 0)
        return -1;
    song->tags |= TagTypeFlags::Id3v2;
    song->writableSuffix = kId3v2Suffix;
    return 0;
}

} // namespace lccd
