#include "layout/LabelDatabase.h"
#include "layout/LabelGuideRows.h"

#include <gtest/gtest.h>

namespace lccd {
namespace {

constexpr double kPoint = 25.4 / 72;

struct LengthCase {
    const char* text;
    std::optional<double> millimetres;
};

TEST(LabelLengthTest, ReadsTheDatabaseUnitsAndRefusesEverythingElse) {
    const LengthCase cases[] = {
        {"12.5mm", 12.5},
        {"1.5cm", 15},
        {"2in", 50.8},
        {"72pt", 25.4},
        {"72", 25.4},
        {" 3 mm ", 3},
        {"-4.5mm", -4.5},
        {"1e1mm", 10},
        {"1pc", 12 * kPoint},
        {"", std::nullopt},
        {"mm", std::nullopt},
        {"5km", std::nullopt},
        {"5MM", std::nullopt},
        {"nan", std::nullopt},
        {"inf", std::nullopt},
        {"1e300mm", std::nullopt},
        {"20000mm", std::nullopt},
        {"1,5mm", std::nullopt},
        {"0x10mm", std::nullopt},
    };
    for (const LengthCase& c : cases) {
        const std::optional<double> length = parseLabelLength(QString::fromUtf8(c.text));
        ASSERT_EQ(length.has_value(), c.millimetres.has_value()) << c.text;
        if (length) {
            EXPECT_NEAR(*length, *c.millimetres, 1e-9) << c.text;
        }
    }
}

const LabelDatabaseFile kPapers{QStringLiteral("paper-sizes.xml"),
                                R"(<Glabels-paper-sizes>
         <Paper-size id="A4" _name="A4" width="210mm" height="297mm"/>
         <Paper-size id="US-Letter" _name="US Letter" width="8.5in" height="11in"/>
       </Glabels-paper-sizes>)"};

const LabelDatabaseFile kCategories{QStringLiteral("categories.xml"),
                                    R"(<Glabels-categories>
         <Category id="media" _name="CD/DVD or other media"/>
         <Category id="mail" _name="Mailing"/>
       </Glabels-categories>)"};

LabelDatabase databaseOf(const QList<LabelDatabaseFile>& templateFiles) {
    return buildLabelDatabase(kPapers, kCategories, templateFiles);
}

LabelDatabaseFile templates(const QString& name, const QByteArray& body) {
    return {name, "<Glabels-templates xmlns=\"http://glabels.org/xmlns/3.0/\">" + body +
                      "</Glabels-templates>"};
}

TEST(LabelReaderTest, SkipsUnknownElementsAndUsesTheFirstKnownShape) {
    const LabelDatabase database = databaseOf({templates(QStringLiteral("a-templates.xml"), R"(
        <Vendor name="x"><Deep><Deeper/></Deep></Vendor>
        <Template brand="Acme" part="R1" size="A4" description="Plain" color="red">
          <Meta category="mail"/><Meta product_url="http://example.org"/>
          <Label-continuous id="0" width="50mm"><Layout nx="1" ny="1"/></Label-continuous>
          <Label-rectangle id="0" width="50mm" height="20mm" round="0" unknown="1">
            <Markup-margin size="1mm"/><Future-element/>
            <Layout nx="2" ny="3" x0="10mm" y0="5mm" dx="60mm" dy="25mm"/>
          </Label-rectangle>
          <Label-round id="1" radius="5mm"><Layout nx="9" ny="9"/></Label-round>
        </Template>)")});
    ASSERT_TRUE(database.messages.isEmpty()) << database.messages.join('\n').toStdString();
    ASSERT_EQ(database.products.size(), 1);
    const LabelProduct& product = database.products[0];
    EXPECT_EQ(product.name(), QStringLiteral("Acme R1"));
    EXPECT_EQ(product.description, QStringLiteral("Plain"));
    EXPECT_EQ(product.categories, QStringList{QStringLiteral("mail")});
    EXPECT_EQ(product.frame.shape, LabelShape::Rectangle);
    EXPECT_EQ(product.labelCount(), 6);
    EXPECT_EQ(product.sheetSize, QSizeF(210, 297));
    const QList<QRectF> boxes = product.labelBoxes();
    EXPECT_EQ(boxes.first(), QRectF(10, 5, 50, 20));
    EXPECT_EQ(boxes[1], QRectF(70, 5, 50, 20)); // left to right first
    EXPECT_EQ(boxes.last(), QRectF(70, 55, 50, 20));
}

TEST(LabelReaderTest, AMalformedFileIsSkippedWithOneMessageNamingIt) {
    const LabelDatabase database = databaseOf({
        templates(QStringLiteral("good-templates.xml"), R"(
            <Template brand="Acme" part="G" size="A4">
              <Label-round id="0" radius="10mm"><Layout nx="1" ny="1" x0="0" y0="0"/></Label-round>
            </Template>)"),
        {QStringLiteral("broken-templates.xml"),
         "<Glabels-templates>\n<Template brand=\"Acme\" part=\"B\" size=\"A4\">\n"
         "<Label-round radius=\"1mm\"><Layout nx=\"1\" ny=\"1\"/></Label-round>\n"},
        {QStringLiteral("other-root-templates.xml"), "<Glabels-vendors/>"},
    });
    ASSERT_EQ(database.products.size(), 1);
    EXPECT_EQ(database.products[0].part, QStringLiteral("G"));
    ASSERT_EQ(database.messages.size(), 2);
    EXPECT_TRUE(database.messages[0].contains(QStringLiteral("broken-templates.xml")));
    EXPECT_TRUE(database.messages[0].contains(QStringLiteral("4 行目")))
        << database.messages[0].toStdString();
    EXPECT_TRUE(database.messages[1].contains(QStringLiteral("other-root-templates.xml")));
}

TEST(LabelReaderTest, TemplatesWithoutAUsableSheetShapeOrLayoutAreLeftOut) {
    const QByteArray body = R"(
        <Template brand="B" part="no-paper" size="Tabloid">
          <Label-round radius="5mm"><Layout nx="1" ny="1"/></Label-round></Template>
        <Template brand="B" part="no-size" size="Other" width="100mm">
          <Label-round radius="5mm"><Layout nx="1" ny="1"/></Label-round></Template>
        <Template brand="B" part="no-layout" size="A4"><Label-round radius="5mm"/></Template>
        <Template brand="B" part="zero-across" size="A4">
          <Label-round radius="5mm"><Layout nx="0" ny="1"/></Label-round></Template>
        <Template brand="B" part="too-many" size="A4">
          <Label-round radius="5mm"><Layout nx="2000" ny="2000"/></Label-round></Template>
        <Template brand="B" part="too-many-grids" size="A4">
          <Label-round radius="5mm"><Layout nx="1000" ny="2"/><Layout nx="1" ny="1"/>
          </Label-round></Template>
        <Template brand="B" part="hole-too-big" size="A4">
          <Label-cd radius="5mm" hole="5mm"><Layout nx="1" ny="1"/></Label-cd></Template>
        <Template brand="B" part="bad-offset" size="A4">
          <Label-round radius="5mm"><Layout nx="1" ny="1" x0="left"/></Label-round></Template>
        <Template brand="" part="no-brand" size="A4">
          <Label-round radius="5mm"><Layout nx="1" ny="1"/></Label-round></Template>
        <Template brand="B" part="kept" size="Other" width="100mm" height="50mm">
          <Label-round radius="5mm"><Layout nx="1" ny="1"/></Label-round></Template>)";
    const LabelFileContent content = readLabelTemplates(
        "<Glabels-templates>" + body + "</Glabels-templates>", {{QStringLiteral("A4"), {}}});
    EXPECT_TRUE(content.error.isEmpty());
    ASSERT_EQ(content.products.size(), 1);
    EXPECT_EQ(content.products[0].part, QStringLiteral("kept"));
    EXPECT_EQ(content.products[0].paperName, QStringLiteral("100.0 × 50.0 mm"));
    EXPECT_EQ(content.skippedProducts, 9);
}

TEST(LabelReaderTest, EquivalentsTakeTheirOriginalsSheetThroughChainsButNotLoops) {
    const LabelDatabase database = databaseOf({templates(QStringLiteral("e-templates.xml"), R"(
        <Template brand="Acme" part="second" equiv="first"/>
        <Template brand="Acme" part="first" equiv="original"/>
        <Template brand="Acme" part="Original" size="US-Letter" _description="Disc">
          <Label-cd radius="58mm" hole="20mm"><Layout nx="1" ny="2" x0="50mm" dy="130mm"/>
          </Label-cd></Template>
        <Template brand="Other" part="x" equiv="original"/>
        <Template brand="Acme" part="loop-a" equiv="loop-b"/>
        <Template brand="Acme" part="loop-b" equiv="loop-a"/>)")});
    QStringList names;
    for (const LabelProduct& product : database.products)
        names.append(product.name());
    EXPECT_EQ(names, (QStringList{QStringLiteral("Acme first"), QStringLiteral("Acme Original"),
                                  QStringLiteral("Acme second")}));
    const LabelProduct* second = database.find(QStringLiteral("  acme   SECOND "));
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->description, QStringLiteral("Disc"));
    EXPECT_EQ(second->frame.shape, LabelShape::Disc);
    EXPECT_EQ(second->labelCount(), 2);
    EXPECT_EQ(database.find(QStringLiteral("Other x")), nullptr);
}

TEST(LabelReaderTest, ProductsSortByBrandThenPartNumberAsNumbers) {
    const QByteArray round = R"(size="A4"><Label-round radius="5mm"><Layout nx="1" ny="1"/>
                                </Label-round></Template>)";
    const LabelDatabase database = databaseOf({templates(
        QStringLiteral("s-templates.xml"), "<Template brand=\"zeta\" part=\"1\" " + round +
                                               "<Template brand=\"Acme\" part=\"L10\" " + round +
                                               "<Template brand=\"Acme\" part=\"L9\" " + round)});
    QStringList names;
    for (const LabelProduct& product : database.products)
        names.append(product.name());
    EXPECT_EQ(names, (QStringList{QStringLiteral("Acme L9"), QStringLiteral("Acme L10"),
                                  QStringLiteral("zeta 1")}));
}

TEST(LabelSearchTest, EveryWordMatchesBrandPartOrDescriptionAndTheDiscFilterFindsDiscs) {
    LabelProduct disc;
    disc.brand = QStringLiteral("Canon");
    disc.part = QStringLiteral("Type J Tray");
    disc.description = QStringLiteral("CD/DVD Tray");
    disc.frame.shape = LabelShape::Disc;
    LabelProduct inlay = disc;
    inlay.frame.shape = LabelShape::Rectangle;
    inlay.categories = {QStringLiteral("media")};
    LabelProduct address = inlay;
    address.categories = {QStringLiteral("mail")};
    address.description = QStringLiteral("Address labels");

    EXPECT_TRUE(matchesLabelSearch(disc, QStringLiteral("canon tray")));
    EXPECT_TRUE(matchesLabelSearch(disc, QStringLiteral("　type　j　"))); // full-width blanks
    EXPECT_FALSE(matchesLabelSearch(disc, QStringLiteral("canon address")));
    EXPECT_TRUE(matchesLabelSearch(disc, {}, kDiscCategory));
    EXPECT_TRUE(matchesLabelSearch(inlay, {}, kDiscCategory));
    EXPECT_FALSE(matchesLabelSearch(address, {}, kDiscCategory));
    EXPECT_TRUE(matchesLabelSearch(address, QStringLiteral("ADDRESS"), QStringLiteral("mail")));
    EXPECT_FALSE(matchesLabelSearch(disc, {}, QStringLiteral("mail")));
}

TEST(LabelDatabaseTest, AMissingDatabaseNamesThePackageToInstall) {
    const LabelDatabase database = loadLabelDatabase(QStringLiteral("/nonexistent/templates"));
    EXPECT_TRUE(database.products.isEmpty());
    ASSERT_EQ(database.messages.size(), 1);
    EXPECT_TRUE(database.messages[0].contains(QStringLiteral("glabels-data")));
}

LayoutItem onlyRow(const QList<LayoutItem>& rows, qsizetype index) {
    return rows.value(index);
}

TEST(LabelGuideRowsTest, DiscsGiveCirclesForRimAndHoleShownOnScreenOnly) {
    LabelProduct product;
    product.frame.shape = LabelShape::Disc;
    product.frame.radius = 58.7;
    product.frame.hole = 20.6;
    product.frame.size = QSizeF(117.4, 100); // clipped at top and bottom
    product.frame.grids = {{1, 2, 46, 21.8, 0, 137}};
    const QList<LayoutItem> rows = labelGuideRows(product);
    ASSERT_EQ(rows.size(), 6);
    // centre (104.7, 71.8): rim from 46.0 to 163.4 across, 13.1 to 130.5 down
    EXPECT_EQ(onlyRow(rows, 0).toRowLine(),
              QStringLiteral("矩形,Yes,No,Yes,460,131,1634,1305,,円,No,,ガイド 1,実線,0.5,"
                             "clDeepskyblue,clWhite"));
    EXPECT_EQ(onlyRow(rows, 1).field(Field::Left), QStringLiteral("841")); // 104.7 - 20.6
    EXPECT_EQ(onlyRow(rows, 1).field(Field::Height), QStringLiteral("924"));
    EXPECT_EQ(onlyRow(rows, 2).field(Field::Align), QStringLiteral("矩形"));
    EXPECT_EQ(onlyRow(rows, 2).field(Field::Top), QStringLiteral("218"));
    EXPECT_EQ(onlyRow(rows, 3).field(Field::Top), QStringLiteral("1501")); // second label
    EXPECT_EQ(onlyRow(rows, 3).field(Field::Value), QStringLiteral("ガイド 2"));
}

TEST(LabelGuideRowsTest, RectanglesRoundTheirCornersAndRoundLabelsAreEllipses) {
    LabelProduct product;
    product.frame.size = QSizeF(50, 20);
    product.frame.cornerRadius = 2.5;
    product.frame.grids = {{1, 1, 10, 5, 0, 0}};
    LayoutItem row = labelGuideRows(product).value(0);
    EXPECT_EQ(row.field(Field::Align), QStringLiteral("角丸"));
    EXPECT_EQ(row.field(Field::Width2), QStringLiteral("50")); // corner ellipse 5 mm wide
    EXPECT_EQ(row.field(Field::Width), QStringLiteral("600"));

    product.frame.cornerRadius = 0;
    EXPECT_EQ(labelGuideRows(product).value(0).field(Field::Align), QStringLiteral("矩形"));
    product.frame.shape = LabelShape::Ellipse;
    EXPECT_EQ(labelGuideRows(product).value(0).field(Field::Align), QStringLiteral("円"));
}

} // namespace
} // namespace lccd
