#include "tests/render/PassFixture.h"

#include "platform/AppError.h"
#include "render/ImageItem.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

namespace lccd {
namespace {

TEST(FitImageTest, KeepsAspectFillingWidthUnlessTooTall) {
    EXPECT_EQ(FitImage(400, 300, 574, 156), QSize(208, 156));
    EXPECT_EQ(FitImage(100, 400, 500, 500), QSize(125, 500));
    EXPECT_EQ(FitImage(400, 100, 500, 500), QSize(500, 125));
    EXPECT_EQ(FitImage(0, 100, 500, 500), QSize());
}

// A stretched picture repeats its pixels without blending them, even on a painter that
// smooths pictures: a black and a white pixel side by side stay two plain halves.
TEST(StretchBitmapTest, PixelsAreRepeatedNotBlended) {
    QImage picture(2, 1, QImage::Format_RGB888);
    picture.setPixelColor(0, 0, Qt::black);
    picture.setPixelColor(1, 0, Qt::white);
    PagePicture page(QSize(200, 100), 600);
    PageCanvas(page, 600).StretchBitmap(QRect(0, 0, 200, 100), picture);

    QImage shown(200, 100, QImage::Format_RGB32);
    shown.fill(Qt::red);
    QPainter painter(&shown);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    page.replay(painter);
    painter.end();
    for (int x = 0; x < 200; ++x)
        EXPECT_EQ(shown.pixelColor(x, 50), QColor(x < 100 ? Qt::black : Qt::white)) << x;
}

class ImageRowTest : public test::PassTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        inputs.lastProject = dir.path();
    }

    QString save(const QString& name, const char* format, QImage::Format pixelFormat) {
        QImage image(400, 300, pixelFormat);
        image.fill(QColor(0, 0, 255, 128));
        const QString path = dir.filePath(name);
        EXPECT_TRUE(image.save(path, format)) << name.toStdString();
        return path;
    }

    QString writeBytes(const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }

    QTemporaryDir dir;
};

TEST_F(ImageRowTest, BitmapsReadDirectlyOtherFormatsDecoded) {
    for (const char* name : {"a.BMP", "b.Bmp", "c.bmp"})
        save(QString::fromLatin1(name), "BMP", QImage::Format_RGB32);
    save(QStringLiteral("d.jpg"), "JPEG", QImage::Format_RGB32);
    save(QStringLiteral("e.JPEG"), "JPEG", QImage::Format_RGB32);
    save(QStringLiteral("f.png"), "PNG", QImage::Format_ARGB32);
    const QStringList before = QDir(dir.path()).entryList(QDir::Files);

    for (const QString& name : before) {
        const std::optional<QImage> image = loadRowImage(dir.filePath(name));
        ASSERT_TRUE(image) << name.toStdString();
        EXPECT_EQ(image->size(), QSize(400, 300));
        EXPECT_EQ(image->format(), QImage::Format_RGB888);
    }
    // a half-transparent picture lies on white paper
    const QColor blended = loadRowImage(dir.filePath(QStringLiteral("f.png")))->pixelColor(0, 0);
    EXPECT_NEAR(blended.red(), 127, 2);
    EXPECT_EQ(blended.blue(), 255);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), before);
}

TEST_F(ImageRowTest, MissingOrUndecodableFilesDrawNothingButABrokenBitmapIsAnError) {
    writeBytes(QStringLiteral("broken.png"), "not a picture");
    EXPECT_FALSE(loadRowImage(dir.filePath(QStringLiteral("broken.png"))));
    EXPECT_FALSE(loadRowImage(dir.filePath(QStringLiteral("missing.png"))));
    EXPECT_FALSE(loadRowImage(dir.path()));
    writeBytes(QStringLiteral("broken.bmp"), "BM not really");
    EXPECT_THROW(loadRowImage(dir.filePath(QStringLiteral("broken.bmp"))), AppError);
}

TEST_F(ImageRowTest, HugeDeclaredSizeIsRefusedNotAllocated) {
    // a PNG header declaring 60000 × 60000 pixels and nothing behind it
    const QByteArray header = QByteArray::fromHex("89504e470d0a1a0a0000000d49484452"
                                                  "0000ea600000ea600806000000");
    writeBytes(QStringLiteral("huge.png"), header);
    EXPECT_FALSE(loadRowImage(dir.filePath(QStringLiteral("huge.png"))));
}

TEST_F(ImageRowTest, BareNameIsLookedUpInTheProjectFolderAndFittedIntoTheBox) {
    save(QStringLiteral("pic.png"), "PNG", QImage::Format_RGB32);
    inputs.correctionX = 10;
    const auto& page =
        draw({QStringLiteral("画像,Yes,Yes,Yes,1000,450,243,66,,,,,pic.png,,,,clNavy"),
              QStringLiteral("画像,Yes,Yes,Yes,1000,450,243,66,,,,,MarovellLogo.jpg ,,,,")});
    ASSERT_EQ(page.size(), 1u);
    const auto& image = std::get<primitive::Image>(page[0]);
    EXPECT_EQ(image.target, QRect(QPoint(2386 - 100, 1063 - 100), QSize(208, 156)));
}

} // namespace
} // namespace lccd
