#include "disc/TrackTags.h"

#include "platform/CodePage.h"
#include "platform/FileReplace.h"
#include "platform/Mp3Infp.h"
#include "platform/StoredTextEncoding.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace lccd {
namespace {

constexpr quint32 kMinimumVersion = 0x211;
constexpr qsizetype kMaxValueBytes = 128;

enum class LoadResult { Loaded, NoFile, TooOld, NotMusic };

LoadResult loadSong(Mp3Infp& library, const QString& path) {
    if (!QFileInfo(path).isFile())
        return LoadResult::NoFile;
    if (LibraryVersionText(library) == QLatin1String("0.00"))
        return LoadResult::TooOld;
    return library.Load(path) == 0 ? LoadResult::Loaded : LoadResult::NotMusic;
}

QByteArray stemOf(TagField field) {
    static const std::array<QByteArray, 9> stems = {"INAM", "IART", "IPRD", "ICMT", "ICRD",
                                                    "IGNR", "TIME", "PATH", "FILE"};
    return stems.at(int(field) - 1);
}

// The loaded MP3 file: its folder, its name and ".mp3". File names here are case-sensitive, so an
// extension in other letter case ("Song.MP3") is looked for too.
QString loadedMp3Path(Mp3Infp& library) {
    const QDir folder(QFile::decodeName(library.GetValue("PATH")));
    const QString base = QFile::decodeName(library.GetValue("FILE"));
    const QString name = base + QStringLiteral(".mp3");
    if (QFileInfo(folder.filePath(name)).isFile())
        return folder.filePath(name);
    for (const QString& entry : folder.entryList(QDir::Files))
        if (entry.size() == name.size() && entry.startsWith(base) &&
            entry.endsWith(QStringLiteral(".mp3"), Qt::CaseInsensitive))
            return folder.filePath(entry);
    return folder.filePath(name);
}

bool hasTag(Mp3Infp& library, quint32 tag) {
    return (library.mp3_GetTagType() & tag) != 0;
}

bool isPlainMp3(Mp3Infp& library) {
    return library.GetType() == SongFileType::Mp3 && !hasTag(library, TagTypeFlags::RiffSif);
}

// Where a value missing from the loaded file's own tag is looked for: an ID3v2 tag in a chunk
// of a WAV file, the APE tag of a plain MP3 file.
std::optional<QByteArray> fallbackSuffix(Mp3Infp& library) {
    if (library.GetType() == SongFileType::Wav)
        return QByteArray("_id3");
    if (isPlainMp3(library))
        return QByteArray("_ape");
    return std::nullopt;
}

// A plain MP3 file takes its values in its ID3v2 tag, made when it has none.
bool prepareMp3ForWriting(Mp3Infp& library) {
    if (!isPlainMp3(library) || hasTag(library, TagTypeFlags::Id3v2))
        return true;
    library.makeId3v2(loadedMp3Path(library));
    return hasTag(library, TagTypeFlags::Id3v2);
}

// The bytes a character takes that starts at i, in the value's own encoding.
qsizetype characterWidth(const QByteArray& value, qsizetype i, bool utf8) {
    const uchar lead = uchar(value[i]);
    if (utf8)
        return lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    return isSjisLeadByte(lead) && i + 1 < value.size() && uchar(value[i + 1]) >= 0x20 ? 2 : 1;
}

// Whole characters only: at the length limit a multi-byte character is kept whole or dropped.
QByteArray cutValue(const QByteArray& value) {
    const bool utf8 = readsAsUtf8(value);
    qsizetype end = 0;
    while (end < value.size() && uchar(value[end]) >= 0x20) {
        const qsizetype width = characterWidth(value, end, utf8);
        if (end + width > kMaxValueBytes)
            break;
        end += width;
    }
    return value.left(end);
}

// The value as the loaded file's own tag stores it.
QByteArray storedValue(Mp3Infp& library, TagField field) {
    return library.GetValue(tagValueName(library, field));
}

QString titleFromFileName(const QString& path) {
    return QFileInfo(path).completeBaseName();
}

// The six values in TagField order.
std::array<QString, kWrittenTagCount> inFieldOrder(const TrackTags& tags) {
    return {tags.title, tags.performer, tags.album, tags.comment, tags.year, tags.genre};
}

TrackTags storedTags(Mp3Infp& library) {
    TrackTags tags;
    tags.title = tagText(GetTagValue(library, TagField::Title));
    tags.performer = tagText(GetTagValue(library, TagField::Performer));
    tags.album = tagText(GetTagValue(library, TagField::Album));
    tags.year = tagText(GetTagValue(library, TagField::Year));
    tags.comment = tagText(GetTagValue(library, TagField::Comment));
    tags.genre = tagText(GetTagValue(library, TagField::Genre));
    return tags;
}

TrackTags loadedTags(Mp3Infp& library, const QString& path) {
    TrackTags tags = storedTags(library);
    if (tags.title.isEmpty())
        tags.title = titleFromFileName(path);
    return tags;
}

TagSet loadedTagSet(Mp3Infp& library) {
    TagSet set;
    for (int i = 0; i < kWrittenTagCount; ++i)
        set.written[size_t(i)] = GetTagValue(library, TagField(i + 1));
    set.time = GetTagValue(library, TagField::Time);
    return set;
}

} // namespace

QString LibraryVersionText(Mp3Infp& library) {
    const quint32 version = library.GetVer();
    if (version < kMinimumVersion)
        return QStringLiteral("0.00");
    const QString hex = QString::number(version, 16);
    return hex.left(1) + QLatin1Char('.') + hex.mid(1);
}

QByteArray tagValueName(Mp3Infp& library, TagField field) {
    const QByteArray stem = stemOf(field);
    if (int(field) > kWrittenTagCount || library.GetType() != SongFileType::Mp3)
        return stem;
    if (hasTag(library, TagTypeFlags::RiffSif))
        return stem + "_rmp";
    return stem + (hasTag(library, TagTypeFlags::Id3v2) ? "_v2" : "_v1");
}

QByteArray GetTagValue(Mp3Infp& library, TagField field) {
    QByteArray value = storedValue(library, field);
    if (value.isEmpty() && int(field) <= kWrittenTagCount) {
        if (const std::optional<QByteArray> suffix = fallbackSuffix(library))
            value = library.GetValue(stemOf(field) + *suffix);
    }
    return cutValue(value);
}

QString tagText(const QByteArray& value) {
    return readsAsUtf8(value) ? QString::fromUtf8(value) : fromSjis(value);
}

bool SetTagValue(Mp3Infp& library, TagField field, const QByteArray& text) {
    if (int(field) < 1 || int(field) > kWrittenTagCount)
        return false;
    if (!prepareMp3ForWriting(library))
        return false;
    return library.SetValue(tagValueName(library, field), text) == 0;
}

TrackTags ReadTrackTags(Mp3Infp& library, const QString& path, DiscNotes& notes) {
    switch (loadSong(library, path)) {
    case LoadResult::NoFile:
        notes.append({DiscNoteKind::SongFileMissing, {}});
        return {};
    case LoadResult::TooOld:
        notes.append({DiscNoteKind::TagLibraryTooOld, {}});
        return {};
    case LoadResult::NotMusic:
        notes.append({DiscNoteKind::NotASong, {}});
        return {};
    case LoadResult::Loaded:
        break;
    }
    return loadedTags(library, path);
}

std::optional<TrackTags> readStoredTags(Mp3Infp& library, const QString& path) {
    if (loadSong(library, path) != LoadResult::Loaded)
        return std::nullopt;
    return storedTags(library);
}

TagSet ReadTagSet(Mp3Infp& library, const QString& path) {
    return loadSong(library, path) == LoadResult::Loaded ? loadedTagSet(library) : TagSet();
}

bool TagWritePlan::changesAnything() const {
    return std::any_of(values.begin(), values.end(),
                       [](const std::optional<QByteArray>& value) { return value.has_value(); });
}

TagWritePlan planTrackTags(Mp3Infp& library, const QString& path, const TrackTags& tags,
                           bool compare) {
    TagWritePlan plan;
    if (loadSong(library, path) != LoadResult::Loaded) {
        plan.blocker = TagWriteResult::NoSong;
        return plan;
    }
    const std::array<QString, kWrittenTagCount> wanted = inFieldOrder(tags);
    const std::array<QString, kWrittenTagCount> shown = inFieldOrder(loadedTags(library, path));
    std::array<bool, kWrittenTagCount> changed{};
    for (int i = 0; i < kWrittenTagCount; ++i) {
        const bool keepsComment = TagField(i + 1) == TagField::Comment && wanted[i].isEmpty();
        changed[i] = !keepsComment && (!compare || wanted[i] != shown[i]);
    }
    if (std::none_of(changed.begin(), changed.end(), [](bool c) { return c; }))
        return plan;
    const bool utf8 = library.writeEncoding() == TagEncoding::Utf8;
    // A plain MP3 file without an ID3v2 tag gets one, which players then read instead of its
    // ID3v1 or APE tag: the unchanged values go along as they read.
    const bool allValues = isPlainMp3(library) && !hasTag(library, TagTypeFlags::Id3v2);
    for (int i = 0; i < kWrittenTagCount; ++i) {
        if (!changed[i] && !allValues)
            continue;
        const QString text =
            changed[i] ? wanted[i] : tagText(GetTagValue(library, TagField(i + 1)));
        if (!utf8)
            for (const QString& character : charactersOutsideSjis(text))
                if (!plan.lostCharacters.contains(character))
                    plan.lostCharacters += character;
        plan.values[size_t(i)] = utf8 ? text.toUtf8() : toSjis(text);
    }
    if (!isChangeableFile(path))
        plan.blocker = TagWriteResult::ReadOnly;
    return plan;
}

TagWriteResult WriteTrackTags(Mp3Infp& library, const QString& path, const TrackTags& tags,
                              bool compare) {
    // Planning loads the song, so the values can only reach the file at path.
    const TagWritePlan plan = planTrackTags(library, path, tags, compare);
    if (plan.blocker != TagWriteResult::Written)
        return plan.blocker;
    if (!plan.changesAnything())
        return TagWriteResult::Unchanged;
    bool allSet = true;
    for (int i = 0; i < kWrittenTagCount; ++i)
        if (plan.values[size_t(i)])
            allSet = SetTagValue(library, TagField(i + 1), *plan.values[size_t(i)]) && allSet;
    return library.Save(path) == 0 && allSet ? TagWriteResult::Written : TagWriteResult::Failed;
}

QString tagWriteProblem(const QString& path, TagWriteResult result) {
    const QString name = QFileInfo(path).fileName();
    switch (result) {
    case TagWriteResult::ReadOnly:
        return QStringLiteral("%1 は書き込みが禁止されているので、タグを書き込みませんでした")
            .arg(name);
    case TagWriteResult::Failed:
        return QStringLiteral("%1 にタグを書き込めませんでした").arg(name);
    case TagWriteResult::NoSong:
        return QStringLiteral("%1 は曲として読み込めないため、タグを書き込みませんでした")
            .arg(name);
    case TagWriteResult::Unchanged:
    case TagWriteResult::Written:
        break;
    }
    return {};
}

void setRowTags(TrackRow& row, const TrackTags& tags) {
    row.title = tags.title;
    row.performer = tags.performer;
    row.album = tags.album;
    row.year = tags.year;
    row.genre = tags.genre;
}

} // namespace lccd
