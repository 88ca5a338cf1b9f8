#pragma once

#include "platform/CodePage.h"
#include "tests/support/ExternalTools.h"

#include <QDir>
#include <QFile>
#include <QStringList>

// A folder as a ripper leaves a CD: one FLAC file of three tones (440, 660 and 880 Hz, their
// lengths on no sector boundary) made by ffmpeg, and an EAC-style CUE sheet beside it whose FILE
// line names "album.wav", with pregaps (INDEX 00) before the second and third track.
namespace lccd::test {

struct AlbumImageFolder {
    static constexpr qint64 kToneFrames[3] = {5 * 44100 + 1234, 3 * 44100 + 4321, 4 * 44100 + 999};
    // INDEX 01 of each track and INDEX 00 of the second and third, in sectors.
    static constexpr qint64 kStarts[3] = {0, 377, 609};
    static constexpr qint64 kPregaps[2] = {370, 600};
    static constexpr qint64 kAlbumFrames = kToneFrames[0] + kToneFrames[1] + kToneFrames[2];

    static QStringList sheetLines() {
        return {
            QStringLiteral("REM GENRE \"Classical\""),
            QStringLiteral("REM DATE 2021"),
            QStringLiteral("REM COMMENT \"ExactAudioCopy v1.6\""),
            QStringLiteral("CATALOG 4988001234567"),
            QStringLiteral("PERFORMER \"鈴木楽団\""),
            QStringLiteral("TITLE \"三つの音\""),
            QStringLiteral("FILE \"album.wav\" WAVE"),
            QStringLiteral("  TRACK 01 AUDIO"),
            QStringLiteral("    TITLE \"朝の歌\""),
            QStringLiteral("    PERFORMER \"鈴木\""),
            QStringLiteral("    ISRC JPAB02100001"),
            QStringLiteral("    INDEX 01 00:00:00"),
            QStringLiteral("  TRACK 02 AUDIO"),
            QStringLiteral("    TITLE \"昼ﾊｲ\""),
            QStringLiteral("    SONGWRITER \"佐藤\""),
            QStringLiteral("    INDEX 00 00:04:70"),
            QStringLiteral("    INDEX 01 00:05:02"),
            QStringLiteral("  TRACK 03 AUDIO"),
            QStringLiteral("    TITLE \"夜\""),
            QStringLiteral("    INDEX 00 00:08:00"),
            QStringLiteral("    INDEX 01 00:08:09"),
        };
    }

    enum class SheetEncoding { Sjis, Utf8WithBom, Utf8 };

    static QByteArray sheetBytes(SheetEncoding encoding) {
        const QString text = sheetLines().join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
        switch (encoding) {
        case SheetEncoding::Sjis:
            return toSjis(text);
        case SheetEncoding::Utf8WithBom:
            return "\xEF\xBB\xBF" + text.toUtf8();
        case SheetEncoding::Utf8:
            break;
        }
        return text.toUtf8();
    }

    // Makes album.flac and album.cue in folder; false when sox or ffmpeg is missing or fails.
    static bool make(const QString& folder, SheetEncoding encoding = SheetEncoding::Sjis) {
        const QDir dir(folder);
        QStringList inputs;
        const int frequencies[3] = {440, 660, 880};
        for (int i = 0; i < 3; ++i) {
            const QString tone = dir.filePath(QStringLiteral("tone%1.wav").arg(i));
            // The rate and channels go before -n: its length counts samples at that rate.
            if (!runToolSucceeded("sox", {"-r", "44100", "-c", "2", "-n", "-b", "16", tone, "synth",
                                          QStringLiteral("%1s").arg(kToneFrames[i]), "sine",
                                          QString::number(frequencies[i]), "vol", "0.5"}))
                return false;
            inputs << "-i" << tone;
        }
        if (!runToolSucceeded("ffmpeg",
                              QStringList{"-v", "error", "-y"} + inputs +
                                  QStringList{"-filter_complex", "concat=n=3:v=0:a=1", "-c:a",
                                              "flac", dir.filePath("album.flac")}))
            return false;
        for (int i = 0; i < 3; ++i)
            QFile::remove(dir.filePath(QStringLiteral("tone%1.wav").arg(i)));
        QFile sheet(dir.filePath("album.cue"));
        return sheet.open(QIODevice::WriteOnly) && sheet.write(sheetBytes(encoding)) > 0;
    }
};

} // namespace lccd::test
