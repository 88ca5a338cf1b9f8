#include "cdlist/TrackTags.h"

#include "cdlist/StatusPanel.h"
#include "platform/CodePage.h"
#include "platform/Mp3Infp.h"

#include <QDir>
#include <QFileInfo>

namespace lccd {
namespace {

constexpr quint32 kMinimumVersion = 0x211;
constexpr qsizetype kMaxValueBytes = 128;

enum class LoadResult { Loaded, NoFile, TooOld, NotMusic };

LoadResult loadSong(const QString& path) {
    if (!QFileInfo(path).isFile())
        return LoadResult::NoFile;
    if (LibraryVersionText() == QLatin1String("0.00"))
        return LoadResult::TooOld;
    return mp3infp().Load(path) == 0 ? LoadResult::Loaded : LoadResult::NotMusic;
}

QByteArray stemOf(TagField field) {
    static const std::array<QByteArray, 9> stems = {"INAM", "IART", "IPRD", "ICMT", "ICRD",
                                                    "IGNR", "TIME", "PATH", "FILE"};
    return stems.at(int(field) - 1);
}

// The loaded MP3 file: its folder, its name and ".mp3". File names here are case-sensitive, so an
// extension in other letter case ("Song.MP3") is looked for too.
QString loadedMp3Path() {
    const QDir folder(QFile::decodeName(mp3infp().GetValue("PATH")));
    const QString base = QFile::decodeName(mp3infp().GetValue("FILE"));
    const QString name = base + QStringLiteral(".mp3");
    if (QFileInfo(folder.filePath(name)).isFile())
        return folder.filePath(name);
    for (const QString& entry : folder.entryList(QDir::Files))
        if (entry.size() == name.size() && entry.startsWith(base) &&
            entry.endsWith(QStringLiteral(".mp3"), Qt::CaseInsensitive))
            return folder.filePath(entry);
    return folder.filePath(name);
}

bool hasTag(quint32 tag) {
    return (mp3infp().mp3_GetTagType() & tag) != 0;
}

bool prepareMp3ForWriting() {
    const quint32 tags = mp3infp().mp3_GetTagType();
    const QString path = loadedMp3Path();
    if ((tags & (TagType::Id3v1 | TagType::Id3v2)) == 0 && QFileInfo(path).isFile()) {
        mp3infp().mp3_MakeId3v1(path);
        if (!hasTag(TagType::Id3v1))
            return false;
    }
    if ((tags & TagType::RiffSif) == 0) {
        mp3infp().mp3_MakeRMP(path);
        if (!hasTag(TagType::RiffSif))
            return false;
    }
    return true;
}

// Whole characters only: at the length limit a double-byte character is kept whole or dropped.
QByteArray cutValue(const QByteArray& value) {
    auto usable = [&](qsizetype i) { return i < value.size() && uchar(value[i]) >= 0x20; };
    qsizetype end = 0;
    while (usable(end)) {
        const qsizetype width = isSjisLeadByte(uchar(value[end])) && usable(end + 1) ? 2 : 1;
        if (end + width > kMaxValueBytes)
            break;
        end += width;
    }
    return value.left(end);
}

TagSet loadedTagSet() {
    TagSet set;
    for (int i = 0; i < kWrittenTagCount; ++i)
        set.written[size_t(i)] = GetTagValue(TagField(i + 1));
    set.time = GetTagValue(TagField::Time);
    return set;
}

} // namespace

QString LibraryVersionText() {
    const quint32 version = mp3infp().GetVer();
    if (version < kMinimumVersion)
        return QStringLiteral("0.00");
    const QString hex = QString::number(version, 16);
    return hex.left(1) + QLatin1Char('.') + hex.mid(1);
}

QByteArray tagValueName(TagField field) {
    const QByteArray stem = stemOf(field);
    if (int(field) > kWrittenTagCount || mp3infp().GetType() != SongFileType::Mp3)
        return stem;
    if (hasTag(TagType::RiffSif))
        return stem + "_rmp";
    return stem + (hasTag(TagType::Id3v2) ? "_v2" : "_v1");
}

QByteArray GetTagValue(TagField field) {
    return cutValue(mp3infp().GetValue(tagValueName(field)));
}

bool SetTagValue(TagField field, const QByteArray& text) {
    if (int(field) < 1 || int(field) > kWrittenTagCount)
        return false;
    if (mp3infp().GetType() == SongFileType::Mp3 && !prepareMp3ForWriting())
        return false;
    return mp3infp().SetValue(tagValueName(field), text) == 0;
}

TrackTags ReadTrackTags(const QString& path, StatusPanel& status) {
    switch (loadSong(path)) {
    case LoadResult::NoFile:
        status.ShowStatusMessage(QStringLiteral("Can't Find file"));
        return {};
    case LoadResult::TooOld:
        status.ShowStatusMessage(QStringLiteral("Too old version of mp3infp"));
        return {};
    case LoadResult::NotMusic:
        status.ShowStatusMessage(QStringLiteral("Not Music file"));
        return {};
    case LoadResult::Loaded:
        break;
    }
    TrackTags tags;
    const QByteArray title = GetTagValue(TagField::Title);
    tags.title = title.isEmpty() ? QFileInfo(path).completeBaseName() : fromSjis(title);
    tags.performer = fromSjis(GetTagValue(TagField::Performer));
    tags.album = fromSjis(GetTagValue(TagField::Album));
    tags.year = fromSjis(GetTagValue(TagField::Year));
    tags.comment = fromSjis(GetTagValue(TagField::Comment));
    tags.genre = fromSjis(GetTagValue(TagField::Genre));
    return tags;
}

TagSet ReadTagSet(const QString& path) {
    return loadSong(path) == LoadResult::Loaded ? loadedTagSet() : TagSet();
}

bool WriteTrackTags(const QString& path, const TrackTags& tags, bool compare) {
    // The song is always loaded here, so the values can only reach the file at path.
    if (loadSong(path) != LoadResult::Loaded)
        return false;
    const std::array<QByteArray, kWrittenTagCount> wanted = {
        toSjis(tags.title),   toSjis(tags.performer), toSjis(tags.album),
        toSjis(tags.comment), toSjis(tags.year),      toSjis(tags.genre)};
    if (compare && loadedTagSet().written == wanted)
        return false;
    bool allSet = true;
    for (int i = 0; i < kWrittenTagCount; ++i)
        allSet = SetTagValue(TagField(i + 1), wanted[size_t(i)]) && allSet;
    return mp3infp().Save(path) == 0 && allSet;
}

void setRowTags(TrackRow& row, const TrackTags& tags) {
    row.title = tags.title;
    row.performer = tags.performer;
    row.album = tags.album;
    row.year = tags.year;
    row.genre = tags.genre;
}

} // namespace lccd
