#pragma once

#include "platform/Mp3Infp.h"
#include "platform/codecs/SongTagFields.h"

#include <QHash>

#include <optional>

namespace lccd {

// The program's tag library, over TagLib: RIFF INFO of WAV files and of MP3 files in RMP form,
// the Vorbis comment of FLAC and Ogg files, the ID3v2 tag of plain MP3 files (their ID3v1 and
// APE tags read), and the own tags of MP4, WMA, Monkey's Audio, WavPack, TTA, Musepack and AIFF
// files (SongTagFile.h). A file's kind is told by its content, not by its name. Every change to
// a song, a plain MP3 file's new ID3v2 tag included, is made by Save as one new file that
// replaces the song only once complete and checked, and only the loaded file is ever changed.
class TagLibMp3Infp : public Mp3Infp {
public:
    static constexpr quint32 kVersion = 0x211;

    quint32 GetVer() override { return kVersion; }
    int Load(const QString& path) override;
    int GetType() override;
    quint32 mp3_GetTagType() override;
    QByteArray GetValue(const QByteArray& name) override;
    TagEncoding writeEncoding() override;
    int SetValue(const QByteArray& name, const QByteArray& value) override;
    int Save(const QString& path) override;
    int makeId3v2(const QString& path) override;

private:
    struct Song {
        QString path; // canonical
        int type = SongFileType::None;
        quint32 tags = 0;
        QHash<QByteArray, QByteArray> values; // by value name
        // The suffix of the values that can be written ("" for the formats with one tag,
        // "_rmp" for RMP form, "_v2" for a plain MP3 file with an ID3v2 tag); nothing for a
        // plain MP3 file without one.
        std::optional<QByteArray> writableSuffix;
        TagFields held; // by INFO id, for the next Save

        // A WAV file, or an MP3 file in RMP form: tagged with RIFF INFO.
        bool hasInfoTag() const {
            return type == SongFileType::Wav || (tags & TagTypeFlags::RiffSif) != 0;
        }
    };

    static std::optional<Song> readSong(const QString& path);
    // The loaded MP3 file, when path names it.
    Song* loadedMp3(const QString& path);

    std::optional<Song> song_;
};

} // namespace lccd
