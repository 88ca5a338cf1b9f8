#include "layout/LabelDatabase.h"

#include <gtest/gtest.h>

#include <cmath>

namespace lccd {
namespace {

constexpr double kPoint = 25.4 / 72;
constexpr double kInch = 25.4;

// The database that glabels-data installs, read once for all tests.
class InstalledLabelDatabaseTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        const QString folder = installedLabelTemplatesFolder();
        if (!folder.isEmpty())
            database_ = new LabelDatabase(loadLabelDatabase(folder));
    }
    static void TearDownTestSuite() {
        delete database_;
        database_ = nullptr;
    }
    void SetUp() override {
        if (!database_)
            GTEST_SKIP() << "glabels-data is not installed";
    }

    static const LabelProduct& product(const char* name) {
        const LabelProduct* found = database_->find(QString::fromUtf8(name));
        if (!found)
            throw std::runtime_error(std::string("no product ") + name);
        return *found;
    }

    static inline LabelDatabase* database_ = nullptr;
};

TEST_F(InstalledLabelDatabaseTest, ReadsEveryFileAndAboutAllProducts) {
    EXPECT_TRUE(database_->messages.isEmpty()) << database_->messages.join('\n').toStdString();
    EXPECT_GT(database_->products.size(), 1700);
    EXPECT_GE(database_->categories.size(), 13);
    for (const LabelProduct& product : database_->products) {
        EXPECT_GT(product.labelCount(), 0) << product.name().toStdString();
        EXPECT_GT(product.sheetSize.width(), 0) << product.name().toStdString();
    }
}

struct ProductCase {
    const char* name;
    LabelShape shape;
    int labels;
    QSizeF sheet;
    QPointF firstCentre; // millimetres
    QPointF lastCentre;
    double radius; // rim or half the width
    double hole;
};

TEST_F(InstalledLabelDatabaseTest, EveryShapeKindGivesItsLabelsWhereTheFileSays) {
    const QSizeF a4(210, 297);
    const QSizeF letter(8.5 * kInch, 11 * kInch);
    const ProductCase cases[] = {
        // two-up A4 CD labels: centres x0 + r, y0 + r and one dy further down
        {"Avery L6043", LabelShape::Disc, 2, a4, {104.7, 80.5}, {104.7, 217.5}, 58.7, 20.6},
        // a printable-disc tray on a sheet of its own size, listed as the same as another
        {"Canon MX920 CD Tray",
         LabelShape::Disc,
         1,
         {135, 295},
         {64.6, 117.5},
         {64.6, 117.5},
         59,
         11},
        // business-card CDs clipped to 171 pt across, 3 × 3
        {"Neato HandiCD-R",
         LabelShape::Disc,
         9,
         letter,
         {(36.5 + 85.5) * kPoint, (54 + 108) * kPoint},
         {(36.5 + 2 * 184.5 + 85.5) * kPoint, (54 + 2 * 234 + 108) * kPoint},
         108 * kPoint,
         58 * kPoint},
        {"Avery 3274.2",
         LabelShape::Round,
         20,
         letter,
         {1.25 * kInch, 1.5 * kInch},
         {(0.5 + 3 * 2 + 0.75) * kInch, (0.75 + 4 * 2 + 0.75) * kInch},
         0.75 * kInch,
         0},
        {"Begalabel V-100",
         LabelShape::Ellipse,
         55,
         letter,
         {1.125 * kInch, 0.875 * kInch},
         {(0.375 + 4 * 1.5625 + 0.75) * kInch, (0.5 + 10 * 0.925 + 0.375) * kInch},
         0.75 * kInch,
         0},
        {"Avery 7163",
         LabelShape::Rectangle,
         14,
         a4,
         {(9.5 + 140.45) * kPoint, (43 + 54) * kPoint},
         {(9.5 + 292 + 140.45) * kPoint, (43 + 6 * 108 + 54) * kPoint},
         140.45 * kPoint,
         0},
        // two layouts of one label each
        {"Sigel LA 505", LabelShape::Disc, 2, a4, {103.5, 78.5}, {103.5, 217.5}, 58.5, 8.5},
    };
    for (const ProductCase& c : cases) {
        SCOPED_TRACE(c.name);
        const LabelProduct& found = product(c.name);
        EXPECT_EQ(found.frame.shape, c.shape);
        ASSERT_EQ(found.labelCount(), c.labels);
        EXPECT_NEAR(found.sheetSize.width(), c.sheet.width(), 1e-6);
        EXPECT_NEAR(found.sheetSize.height(), c.sheet.height(), 1e-6);
        const QList<QRectF> boxes = found.labelBoxes();
        EXPECT_NEAR(boxes.first().center().x(), c.firstCentre.x(), 1e-6);
        EXPECT_NEAR(boxes.first().center().y(), c.firstCentre.y(), 1e-6);
        EXPECT_NEAR(boxes.last().center().x(), c.lastCentre.x(), 1e-6);
        EXPECT_NEAR(boxes.last().center().y(), c.lastCentre.y(), 1e-6);
        const double radius =
            c.shape == LabelShape::Disc ? found.frame.radius : found.frame.size.width() / 2;
        EXPECT_NEAR(radius, c.radius, 1e-6);
        EXPECT_NEAR(found.frame.hole, c.hole, 1e-6);
    }
    EXPECT_NEAR(product("Avery 7163").frame.cornerRadius, 5 * kPoint, 1e-9);
    EXPECT_NEAR(product("Neato HandiCD-R").frame.size.width(), 171 * kPoint, 1e-9);
    EXPECT_TRUE(product("Avery 8435B").isDiscProduct()); // a CD inlay, of the media category
    EXPECT_FALSE(product("Avery 7163").isDiscProduct());
}

TEST_F(InstalledLabelDatabaseTest, TheDiscFilterFindsLabelsAndTrays) {
    int discs = 0;
    bool tray = false;
    for (const LabelProduct& found : database_->products)
        if (matchesLabelSearch(found, {}, kDiscCategory)) {
            ++discs;
            tray = tray || found.description.contains(QStringLiteral("Tray"));
        }
    EXPECT_GT(discs, 100);
    EXPECT_TRUE(tray);
}

} // namespace
} // namespace lccd
