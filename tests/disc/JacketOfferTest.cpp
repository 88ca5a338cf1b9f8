#include "disc/JacketOffer.h"

#include "platform/CoverPictures.h"
#include "platform/FileIO.h"
#include "tests/support/DesktopSongs.h"
#include "tests/support/ExternalTools.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

namespace lccd {
namespace {

using test::runToolSucceeded;

QString writePicture(const QString& path, Qt::GlobalColor color) {
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(color);
    image.save(path);
    return path;
}

QByteArray be32(quint32 value) {
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

// The FLAC picture block an Ogg comment carries (METADATA_BLOCK_PICTURE), front cover.
QByteArray pictureBlock(const QByteArray& png) {
    return be32(3) + be32(9) + "image/png" + be32(0) + be32(16) + be32(16) + be32(24) + be32(0) +
           be32(quint32(png.size())) + png;
}

// A picture in every song.
class PicturedSongs final : public CoverPictures {
public:
    QByteArray frontCover(const QString&) override {
        QImage image(4, 4, QImage::Format_RGB32);
        QBuffer png;
        png.open(QIODevice::WriteOnly);
        image.save(&png, "PNG");
        return png.data();
    }
};

class JacketOfferTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }
    void touch(const QString& name) { writeFileAtomically(path(name), "x"); }

    QTemporaryDir dir;
    test::DesktopSongs songs;
};

TEST_F(JacketOfferTest, FrontCoversComeOutAsTheBytesPutIn) {
    for (const char* tool : {"ffmpeg", "sox", "metaflac"})
        if (!test::toolInstalled(QLatin1String(tool)))
            GTEST_SKIP() << tool << " is not installed";
    const QString front = writePicture(path(QStringLiteral("front.png")), Qt::red);
    const QString other = writePicture(path(QStringLiteral("other.png")), Qt::blue);
    const QString tone = path(QStringLiteral("tone.wav"));
    ASSERT_TRUE(runToolSucceeded(QStringLiteral("sox"), {"-n", "-r", "44100", "-c", "2", tone,
                                                         "synth", "0.3", "sine", "440"}));
    const auto withPicture = [&](const char* name, const QStringList& audio) {
        QStringList arguments = {"-loglevel", "error", "-i", tone,   "-i",
                                 front,       "-map",  "0",  "-map", "1"};
        arguments << audio << "-c:v"
                  << "copy"
                  << "-disposition:v"
                  << "attached_pic" << path(QLatin1String(name));
        return runToolSucceeded(QStringLiteral("ffmpeg"), arguments);
    };
    // FFmpeg gives an MP3 picture the type Other unless told.
    ASSERT_TRUE(withPicture("song.mp3", {"-c:a", "libmp3lame"}));
    ASSERT_TRUE(withPicture("song.m4a", {"-c:a", "aac"}));
    // A FLAC file with another picture before its front cover.
    const QString flac = path(QStringLiteral("song.flac"));
    ASSERT_TRUE(runToolSucceeded(QStringLiteral("sox"), {tone, flac}));
    ASSERT_TRUE(runToolSucceeded(
        QStringLiteral("metaflac"),
        {"--import-picture-from=0||||" + other, "--import-picture-from=3||||" + front, flac}));
    const QByteArray frontBytes = readWholeFile(front);
    ASSERT_TRUE(runToolSucceeded(
        QStringLiteral("ffmpeg"),
        {"-loglevel", "error", "-i", tone, "-c:a", "libvorbis", "-metadata",
         "METADATA_BLOCK_PICTURE=" + QString::fromLatin1(pictureBlock(frontBytes).toBase64()),
         path(QStringLiteral("song.ogg"))}));

    for (const char* name : {"song.mp3", "song.m4a", "song.flac", "song.ogg"})
        EXPECT_EQ(songs.covers.frontCover(path(QLatin1String(name))), frontBytes) << name;
    EXPECT_TRUE(songs.covers.frontCover(tone).isEmpty());
    EXPECT_TRUE(songs.covers.frontCover(path(QStringLiteral("missing.mp3"))).isEmpty());
}

TEST_F(JacketOfferTest, TheFolderCoverFileGoesByNameOrderBeforeAnySongsPicture) {
    const struct {
        const char* add;
        const char* offered;
    } steps[] = {
        {"back.jpg", nullptr},        {"FRONT.png", "FRONT.png"},   {"front.jpg", "front.jpg"},
        {"Folder.PNG", "Folder.PNG"}, {"folder.jpg", "folder.jpg"}, {"cover.png", "cover.png"},
        {"Cover.jpg", "Cover.jpg"},
    };
    for (const auto& step : steps) {
        touch(QLatin1String(step.add));
        const std::optional<QString> file = folderCoverFile(dir.path());
        EXPECT_EQ(file,
                  step.offered ? std::optional(path(QLatin1String(step.offered))) : std::nullopt)
            << step.add;
    }
    PicturedSongs pictured;
    const std::optional<JacketOffer> offer =
        findJacketOffer(dir.path(), {path(QStringLiteral("song.mp3"))}, pictured);
    ASSERT_TRUE(offer);
    EXPECT_EQ(offer->file, path(QStringLiteral("Cover.jpg")));
}

TEST_F(JacketOfferTest, AWrittenCoverTakesAFreeNameAfterTheAlbum) {
    JacketOffer offer{{}, "png", QStringLiteral("png"), path(QStringLiteral("song.flac"))};
    touch(QStringLiteral("A／B.png"));
    ASSERT_TRUE(QFile::link(path(QStringLiteral("nowhere")), path(QStringLiteral("A／B (2).png"))));
    EXPECT_EQ(coverFilePath(offer, QStringLiteral(" A/B ")), path(QStringLiteral("A／B (3).png")));
    EXPECT_EQ(coverFilePath(offer, QStringLiteral("..")), path(QStringLiteral("_.png")));
    offer.format = QStringLiteral("jpeg");
    EXPECT_EQ(coverFilePath(offer, QStringLiteral("  ")), path(QStringLiteral("cover.jpg")));
}

} // namespace
} // namespace lccd
