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

} // namespace lccd::test
