#pragma once

#include "platform/Mp3Infp.h"
#include "platform/codecs/RiffSif.h"
#include "platform/codecs/SongTagFields.h"

#include <QHash>

#include <optional>

namespace lccd {

// The program's tag library, over TagLib: RIFF INFO of WAV files and of MP3 files in RMP form
// and the Vorbis comment of FLAC and Ogg files (read and written), ID3v1, ID3v2 and APE tags of
// plain MP3 files (read only). A file's kind is told by its content, not by its name. Every
// change to a song, an MP3 file's new ID3v1 tag and RMP form included, is made by Save as one
// new file that replaces the song only once complete and checked, and only the loaded file is
// ever changed.
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
    int mp3_MakeId3v1(const QString& path) override;
    int mp3_MakeRMP(const QString& path) override;

private:
    struct Song {
        QString path; // canonical
        int type = SongFileType::None;
        quint32 tags = 0;
        QHash<QByteArray, QByteArray> values; // by value name
        // The suffix of the values that can be written ("" for WAV and Vorbis comments, "_rmp"
        // for RMP form); nothing for a plain MP3 file.
        std::optional<QByteArray> writableSuffix;
        TagFields held; // by INFO id, for the next Save
        // The ID3v1 tag and the RMP form made for an MP3 file, written with the next Save so
        // that the song is replaced once.
        std::optional<RmpPreparation> preparation;
        RmpPreparation& preparing() {
            if (!preparation)
                preparation.emplace();
            return *preparation;
        }
    };

    static std::optional<Song> readSong(const QString& path);
    // The loaded MP3 file, when path names it.
    Song* loadedMp3(const QString& path);

    std::optional<Song> song_;
};

} // namespace lccd
