#include "tests/support/EncodedSongs.h"

#include "tests/support/ExternalTools.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace lccd::test {
namespace {

QStringList soxFormat(const WavFormat& format) {
    return {QStringLiteral("-r"), QString::number(format.sampleRate),
            QStringLiteral("-c"), QString::number(format.channels),
            QStringLiteral("-b"), QString::number(format.bitsPerSample)};
}

} // namespace

bool makeToneSong(const QString& path, double seconds, const WavFormat& format) {
    return runToolSucceeded(QStringLiteral("sox"),
                            QStringList{QStringLiteral("-n")} + soxFormat(format) +
                                QStringList{path, QStringLiteral("synth"), QString::number(seconds),
                                            QStringLiteral("sine"), QStringLiteral("1000"),
                                            QStringLiteral("vol"), QStringLiteral("0.5")});
}

bool makePinkNoiseSong(const QString& path, int seconds) {
    const QString source = path + QStringLiteral(".source.wav");
    const bool made =
        runToolSucceeded(QStringLiteral("sox"),
                         {QStringLiteral("-n"), QStringLiteral("-r"), QStringLiteral("44100"),
                          QStringLiteral("-c"), QStringLiteral("2"), QStringLiteral("-b"),
                          QStringLiteral("16"), source, QStringLiteral("synth"),
                          QString::number(seconds), QStringLiteral("pinknoise"),
                          QStringLiteral("vol"), QStringLiteral("0.3")}) &&
        encodeWithFfmpeg(source, path);
    QFile::remove(source);
    return made;
}

bool encodeWithFfmpeg(const QString& source, const QString& path, bool throughPipe) {
    const QStringList arguments = {QStringLiteral("-v"), QStringLiteral("error"),
                                   QStringLiteral("-y"), QStringLiteral("-i"), source};
    if (!throughPipe)
        return runToolSucceeded(QStringLiteral("ffmpeg"), arguments + QStringList{path});
    QProcess ffmpeg;
    ffmpeg.setStandardOutputFile(path);
    ffmpeg.start(QStringLiteral("ffmpeg"),
                 arguments + QStringList{QStringLiteral("-f"), QFileInfo(path).suffix(),
                                         QStringLiteral("pipe:1")});
    return ffmpeg.waitForFinished(120000) && ffmpeg.exitStatus() == QProcess::NormalExit &&
           ffmpeg.exitCode() == 0;
}

bool makeVbrMp3WithoutXing(const QString& path, double seconds, const QStringList& lameTags) {
    const QString wav = path + QStringLiteral(".source.wav");
    const bool made =
        runToolSucceeded(QStringLiteral("sox"),
                         QStringList{QStringLiteral("-n")} + soxFormat({}) +
                             QStringList{wav, QStringLiteral("synth"), QString::number(seconds),
                                         QStringLiteral("sine"), QStringLiteral("440"),
                                         QStringLiteral("fade"), QStringLiteral("t"),
                                         QStringLiteral("6")}) &&
        runToolSucceeded(QStringLiteral("lame"),
                         QStringList{QStringLiteral("-t"), QStringLiteral("-V"),
                                     QStringLiteral("2"), QStringLiteral("--quiet")} +
                             lameTags + QStringList{wav, path});
    QFile::remove(wav);
    return made;
}

bool makeSilentLayoutSong(const QString& path, const QString& layout) {
    return runToolSucceeded(
        QStringLiteral("ffmpeg"),
        {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y"), QStringLiteral("-f"),
         QStringLiteral("lavfi"), QStringLiteral("-i"),
         QStringLiteral("anullsrc=channel_layout=%1:sample_rate=44100").arg(layout),
         QStringLiteral("-t"), QStringLiteral("1"), path});
}

bool encodeOtherFormat(const QString& source, const QString& path, const QStringList& tags) {
    QStringList tagging;
    for (const QString& tag : tags) {
        const QString key = tag.section(QLatin1Char('='), 0, 0);
        const QString value = tag.section(QLatin1Char('='), 1);
        if (path.endsWith(QLatin1String(".mpc")))
            tagging << QStringLiteral("--") + key << value;
        else if (path.endsWith(QLatin1String(".wavpack.wv")))
            tagging << QStringLiteral("-w") << key + QLatin1Char('=') + value;
        else
            tagging << QStringLiteral("-metadata") << tag;
    }
    if (path.endsWith(QLatin1String(".mpc")))
        return runToolSucceeded(
            QStringLiteral("mpcenc"),
            QStringList{QStringLiteral("--silent"), QStringLiteral("--overwrite")} + tagging +
                QStringList{source, path});
    if (path.endsWith(QLatin1String(".wavpack.wv")))
        return runToolSucceeded(QStringLiteral("wavpack"),
                                QStringList{QStringLiteral("-q"), QStringLiteral("-y")} + tagging +
                                    QStringList{source, QStringLiteral("-o"), path});
    QStringList codec;
    if (path.endsWith(QLatin1String(".alac.m4a")))
        codec = {QStringLiteral("-c:a"), QStringLiteral("alac")};
    else if (path.endsWith(QLatin1String(".m4a")))
        codec = {QStringLiteral("-c:a"), QStringLiteral("aac")};
    else if (path.endsWith(QLatin1String(".aifc")))
        codec = {QStringLiteral("-c:a"), QStringLiteral("pcm_f32be"), QStringLiteral("-f"),
                 QStringLiteral("aiff")};
    if (!tags.isEmpty() &&
        (path.endsWith(QLatin1String(".aiff")) || path.endsWith(QLatin1String(".aifc"))))
        codec << QStringLiteral("-write_id3v2") << QStringLiteral("1");
    return runToolSucceeded(QStringLiteral("ffmpeg"),
                            QStringList{QStringLiteral("-v"), QStringLiteral("error"),
                                        QStringLiteral("-y"), QStringLiteral("-i"), source} +
                                codec + tagging + QStringList{path});
}

} // namespace lccd::test
