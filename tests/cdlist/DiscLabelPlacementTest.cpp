#include "disc/DiscLabelPlacement.h"

#include "common/MyCommonW.h"
#include "disc/LabelLayout.h"
#include "disc/LabelTemplate.h"
#include "layout/LabelDatabase.h"
#include "layout/LayoutFile.h"
#include "layout/LayoutItem.h"
#include "tests/cdlist/DiscFolderFixture.h"
#include "tests/support/ExternalTools.h"

#include <QProcess>

namespace lccd {
namespace {

using test::song;

// A two-up CD sheet's rows (a settings row and the first disc's rim) with its first label's
// centre between whole layout units, as label databases give it.
DiscLabelSheet twoUpSheet() {
    return {{LayoutItem::fromRowLine(QStringLiteral("設定,,,,,,,,,,Yes,,A4,,,,")),
             LayoutItem::fromRowLine(QStringLiteral("矩形,Yes,No,Yes,460,218,1634,1392,,円,No,,"
                                                    "ガイド 1,実線,0.5,clDeepskyblue,clWhite"))},
            QPointF(1047.4, 805.6),
            QString()};
}

QStringList rowsOf(const QList<QByteArray>& lines) {
    QStringList rows;
    for (const QByteArray& line : lines.mid(1))
        rows.append(fromSjis(line));
    return rows;
}

QRect box(const QString& row) {
    return rowExtent(row).value_or(QRect());
}

QPointF centre(const QRect& box) {
    return QPointF((box.left() + box.right()) / 2.0, (box.top() + box.bottom()) / 2.0);
}

TEST(DiscLabelAreaTest, TheFrontCoverOfAJacketOrTheWholeOfASquare) {
    const struct {
        const char* what;
        QStringList rows;
        std::optional<QRect> area;
    } cases[] = {
        // the built-in jacket: 2400 × 1200 with the front picture reaching 1305 down
        {"jacket", builtInLabelTemplate().mid(1), QRect(QPoint(100, 100), QPoint(1305, 1305))},
        {"square disc design",
         {"矩形,,,,0,0,1200,1200,,円", "文字,,,,100,600,1000,,,中心合せ,No,,Title"},
         QRect(QPoint(0, 0), QPoint(1200, 1200))},
        // taller than wide: the top square; a vertical text reaches down its length
        {"tall",
         {"罫線,,,,1200,50,200,50", "文字,,,,200,50,1500,,,左寄せ,Yes,,Down"},
         QRect(QPoint(200, 50), QPoint(1200, 1050))},
        {"nothing drawn", {"設定,,,,,,,,,,Yes,,A4", "不明,,,,1,1,5,5", "ID,画面"}, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(discLabelArea(c.rows), c.area) << c.what;
}

TEST(DiscLabelPlacementTest, OnlyThePlacingFieldsOfTheRowsOnTheDiscChange) {
    const QStringList placed = placeDiscLabel(
        {
            QStringLiteral("矩形\tYes,\"Yes\",Yes,0,0,1200,1200,,円,No,,,実線,1,clBlack,clWhite"),
            QStringLiteral("文字,Yes,Yes,Yes,100,600,1000,53,1,中心合せ,No,13.5,\"a, b\",x,9,"
                           "clNavy,clWhite"),
            QStringLiteral("画像,Yes,Yes,Yes,200,200,800,800"), // width and height stay
            QStringLiteral("罫線,Yes,Yes,Yes"),                 // no place given: drawn at 100, 100
            QStringLiteral("文字,Yes,Yes,Yes,1300,0,50"),       // beside the disc: left off
            // a quoted place with the next field straight after its closing quote
            QStringLiteral("画像,Yes,Yes,Yes,\"a, b\"c,300"),
            QStringLiteral("設定,,,,,,,,,,Yes,,A5"),
        },
        QPointF(1600, 1700));
    EXPECT_EQ(placed, QStringList({
                          QStringLiteral("矩形\tYes,\"Yes\",Yes,1000,1100,2200,2300,,円,No,,,"
                                         "実線,1,clBlack,clWhite"),
                          QStringLiteral("文字,Yes,Yes,Yes,1100,1700,1000,53,1,中心合せ,No,13.5,"
                                         "\"a, b\",x,9,clNavy,clWhite"),
                          QStringLiteral("画像,Yes,Yes,Yes,1200,1300,800,800"),
                          QStringLiteral("罫線,Yes,Yes,Yes,1100,1200,1100,1200,,,,,,,,,"),
                          QStringLiteral("画像,Yes,Yes,Yes,1100,1200,300,,,,,,,,,,"),
                      }));
}

class ProductLabelLayoutTest : public test::DiscFolderTest {
protected:
    void SetUp() override {
        DiscFolderTest::SetUp();
        editor_.disc().albumTitle = QStringLiteral("夏");
        setSongs({song(QStringLiteral("春"), {}, {}, "004:05"), song(QStringLiteral("秋"))});
    }

    QList<QByteArray> layout(const QStringList& templateLines, const DiscLabelSheet* sheet) {
        return labelLayoutLines(templateLines, editor_.disc(), editor_.tracks().rows(), sheet);
    }
};

TEST_F(ProductLabelLayoutTest, ADiscDesignIsCentredOnTheFirstLabelWithinATenthOfAMillimetre) {
    const DiscLabelSheet sheet = twoUpSheet();
    const QList<QByteArray> lines =
        layout({"ID,画面,印刷", "設定,Yes,Yes,Yes,,,,,,,Yes,,B5",
                "矩形,Yes,Yes,Yes,0,0,1200,1200,,円,No,,,実線,1,clBlack,clWhite",
                "文字,Yes,Yes,Yes,100,300,1000,53,1,中心合せ,No,13.5,[ＣＤタイトル],x,14,clBlack,"
                "clWhite"},
               &sheet);
    const QStringList rows = rowsOf(lines);
    EXPECT_EQ(lines[0], toSjis(QStringLiteral("ID,画面,印刷"))); // the header as it was
    ASSERT_EQ(rows.size(), 4) << rows.join('\n').toStdString();
    // the product's rows come first; the template's settings row and the songs stay off
    EXPECT_EQ(rows[0], sheet.rows[0].toRowLine());
    EXPECT_EQ(rows[1], sheet.rows[1].toRowLine());
    const QPointF disc = centre(box(rows[2]));
    EXPECT_LE(std::abs(disc.x() - sheet.labelCentre.x()), 1);
    EXPECT_LE(std::abs(disc.y() - sheet.labelCentre.y()), 1);
    EXPECT_EQ(CsvFieldW(rows[3], fieldNumber(Field::Value)), QStringLiteral("夏"));
    EXPECT_EQ(box(rows[3]).center().x(), box(rows[2]).center().x());
}

// The built-in jacket's front goes on the disc: its picture covers the first label, the
// titles and songs of the back stay off the sheet, and the layout reads back whole.
TEST_F(ProductLabelLayoutTest, TheBuiltInJacketGivesItsFrontCover) {
    const DiscLabelSheet sheet = twoUpSheet();
    writeLabelLayout(path("disc.csv"), builtInLabelTemplate(), editor_.disc(),
                     editor_.tracks().rows(), &sheet);
    const std::optional<LayoutFileContent> read = readLayoutFile(path("disc.csv")).content;
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->headerFieldCount, 17);
    QStringList kinds;
    for (const QString& row : read->rowLines) {
        EXPECT_EQ(CsvFieldCountW(row), 17) << row.toStdString();
        kinds.append(CsvFieldW(row, fieldNumber(Field::Id)));
    }
    // settings and guide; picture, fold line, two bands, the band name's frame, the credit
    EXPECT_EQ(kinds, QStringList({"設定", "矩形", "画像", "罫線", "矩形", "矩形", "矩形", "文字"}));
    const QRect picture = box(read->rowLines[2]);
    const QRect rim = box(sheet.rows[1].toRowLine());
    EXPECT_TRUE(picture.contains(rim)) << picture.x() << "," << picture.y();
    EXPECT_TRUE(CsvFieldW(read->rowLines[7], fieldNumber(Field::Value))
                    .startsWith(QStringLiteral("MNGD-")));
}

// Avery L6043, two CD labels on A4: the design on each, as lccdtool-cli renders the layout.
TEST_F(ProductLabelLayoutTest, EveryLabelOfATwoUpSheetPrintsTheDesign) {
    if (installedLabelTemplatesFolder().isEmpty() || !test::toolInstalled("pdftotext"))
        GTEST_SKIP() << "glabels-data or pdftotext is not installed";
    const LabelDatabase database = loadLabelDatabase(installedLabelTemplatesFolder());
    const LabelProduct* product = database.find(QStringLiteral("Avery L6043"));
    ASSERT_TRUE(product);
    QList<QPointF> centres;
    for (const QRectF& label : product->labelBoxes())
        centres.append(label.center() * 10);
    ASSERT_EQ(centres.size(), 2);
    editor_.disc().discId = QStringLiteral("TWOFOLD");
    for (const int labels : {1, 2}) {
        const DiscLabelSheet sheet{
            {LayoutItem::fromRowLine(QStringLiteral("設定,,,,,,,,,,Yes,,A4"))},
            centres[0],
            {},
            centres.mid(1, labels - 1)};
        writeLabelLayout(path("disc.csv"), builtInLabelTemplate(), editor_.disc(),
                         editor_.tracks().rows(), &sheet);
        QProcess render;
        render.start(QStringLiteral(LCCD_CLI_PATH), {QStringLiteral("render"), path("disc.csv"),
                                                     QStringLiteral("-o"), path("disc.pdf")});
        ASSERT_TRUE(render.waitForFinished(60000) && render.exitCode() == 0)
            << render.readAllStandardError().toStdString();
        const QString text =
            test::runTool(QStringLiteral("pdftotext"), {path("disc.pdf"), QStringLiteral("-")});
        EXPECT_EQ(text.count(QStringLiteral("MNGD-TWOFOLD")), labels) << text.toStdString();
    }
}

} // namespace
} // namespace lccd
