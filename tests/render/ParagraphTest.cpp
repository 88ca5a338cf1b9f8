#include "tests/render/PassFixture.h"

#include "platform/CodePage.h"
#include "platform/FileIO.h"
#include "render/ParagraphItem.h"

#include <QSet>
#include <QTemporaryDir>

namespace lccd {
namespace {

// At 254 dpi without margins one layout unit is one printer pixel; fonts have fixed metrics.
class ParagraphTest : public test::PassTest {
protected:
    ParagraphTest() : PassTest(Fonts::Fixed) {}

    void SetUp() override {
        printers.dpi = 254;
        printers.margins = {};
        inputs.printerDpiX = 254;
    }

    QString file(const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        writeFileAtomically(path, bytes);
        return path;
    }

    QString row(const QString& path, int x, int y, int w, int h, const char* spacing,
                bool vertical = false) {
        return QStringLiteral(
                   "文章,Yes,Yes,Yes,%1,%2,%3,%4,,左寄せ,%5,%6,%7,ＭＳ 明朝,9.0,clBlack,clWhite")
            .arg(x)
            .arg(y)
            .arg(w)
            .arg(h)
            .arg(vertical ? QStringLiteral("Yes") : QStringLiteral("No"))
            .arg(QString::fromLatin1(spacing), path);
    }

    // The distinct row positions (y, or x for vertical text) of the glyphs drawn.
    static QList<int> linePositions(const std::vector<Primitive>& page, bool vertical) {
        QList<int> positions;
        for (const Primitive& primitive : page) {
            const QPoint origin = std::get<primitive::Text>(primitive).origin;
            const int position = vertical ? origin.x() : origin.y();
            if (!positions.contains(position))
                positions.append(position);
        }
        return positions;
    }

    QTemporaryDir dir;
    const QByteArray longLine = toSjis(QString(200, QChar(u'あ')));
};

TEST_F(ParagraphTest, RowsAreDrawnWhileTheyFitTheBoxHeight) {
    const QString path = file(QStringLiteral("p.txt"), longLine);
    EXPECT_EQ(linePositions(draw({row(path, 100, 300, 700, 100, "13.5")}), false),
              (QList<int>{300, 348}));
    EXPECT_EQ(recorder.workShown, 1);
    // The wrap width in columns is the box width on a 96-dpi screen (700 layout units are 265
    // pixels) over the paragraph font's average character width there (9 points are 12 pixels,
    // 6 wide): 44 columns, 22 double-byte characters a row.
    const QStringList wrapped = recorder.workText.split(QLatin1Char('\n'));
    ASSERT_EQ(wrapped.size(), 10);
    EXPECT_EQ(wrapped[0], QString(22, QChar(u'あ')));
    EXPECT_EQ(wrapped[9], QString(2, QChar(u'あ')));
    // a spacing of 1 point is 1 layout unit
    EXPECT_EQ(linePositions(draw({row(path, 100, 300, 700, 5, "1")}), false),
              (QList<int>{300, 301, 302, 303, 304}));
}

TEST_F(ParagraphTest, VerticalColumnsRunFromTheRightEdgeLeftwards) {
    const QString path = file(QStringLiteral("v.txt"), longLine + "\r\n" + longLine);
    const QList<int> columns =
        linePositions(draw({row(path, 200, 100, 700, 600, "13.5", true)}), true);
    ASSERT_EQ(columns.size(), 14);
    EXPECT_EQ(columns.first(), 868);
    EXPECT_EQ(columns.last(), 244);
    EXPECT_EQ(columns[1], 820);
}

// A vertical paragraph wraps at its box's height, not its width: 400 units are 151 pixels
// on a 96-dpi screen, 25 columns of the 6-pixel average width, 12 double-byte characters.
TEST_F(ParagraphTest, VerticalParagraphWrapsAtTheBoxHeight) {
    const QString path = file(QStringLiteral("v.txt"), longLine);
    draw({row(path, 200, 100, 1500, 400, "13.5", true)});
    EXPECT_EQ(recorder.workText.split(QLatin1Char('\n')).first(), QString(12, QChar(u'あ')));
}

TEST_F(ParagraphTest, ProjectHeaderLinesAndTrailingBlanksAreLeftOut) {
    const QString path =
        file(QStringLiteral("project.txt"),
             toSjis(QStringLiteral("title:夏\r\nPERFORMER:楽団\r\n\r\n01 夏の歌\r\n"
                                   "Genre:Pops\r\n 02 海\r\n　\r\n\r\n")));
    draw({row(path, 100, 100, 1500, 1000, "13.5")});
    EXPECT_EQ(recorder.workText, QStringLiteral("\n01 夏の歌\n 02 海"));
}

TEST_F(ParagraphTest, ByteOrderMarkedFilesPrintLikeTheirShiftJisTwins) {
    const QString text = QStringLiteral("「見本」の文章です。\r\n二行目");
    const QString sjis = file(QStringLiteral("sjis.txt"), toSjis(text));
    const QString utf8 = file(QStringLiteral("utf8.txt"), "\xEF\xBB\xBF" + text.toUtf8());
    QByteArray utf16("\xFF\xFE");
    utf16.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    const QString utf16le = file(QStringLiteral("utf16.txt"), utf16);
    const auto count = [&](const QString& path) {
        draw({row(path, 100, 100, 1500, 1000, "13.5")});
        return recorder.workText;
    };
    const QString expected = count(sjis);
    EXPECT_EQ(count(utf8), expected);
    EXPECT_EQ(count(utf16le), expected);
}

TEST_F(ParagraphTest, MissingTinyOrBlankFilesDrawNothing) {
    const QString tiny = file(QStringLiteral("tiny.txt"), "a");
    const QString blank = file(QStringLiteral("blank.txt"), "  \r\n\r\n");
    EXPECT_TRUE(draw({row(tiny, 0, 0, 500, 500, ""), row(blank, 0, 0, 500, 500, ""),
                      row(dir.filePath(QStringLiteral("none.txt")), 0, 0, 500, 500, "")})
                    .empty());
    EXPECT_EQ(recorder.workShown, 0);
}

TEST(PointsToLayoutTest, OneStaysOne) {
    EXPECT_EQ(PointsToLayout(13.5), 48);
    EXPECT_EQ(PointsToLayout(9), 32);
    EXPECT_EQ(PointsToLayout(1), 1);
    EXPECT_EQ(PointsToLayout(0.1), 1);
}

} // namespace
} // namespace lccd
