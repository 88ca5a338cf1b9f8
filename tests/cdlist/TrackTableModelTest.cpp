#include "cdlist/TrackTableModel.h"

#include <gtest/gtest.h>

namespace lccd {
namespace {

TEST(TrackTableModelTest, CellsShowNumbersChecksAndFields) {
    TrackRows rows;
    TrackTableModel model(rows);
    int changed = 0;
    QObject::connect(&model, &QAbstractItemModel::dataChanged, [&] { ++changed; });
    model.setField(3, TrackColumn::Title, QStringLiteral("海辺の歌"));
    model.setField(3, TrackColumn::Check, QStringLiteral("1"));
    EXPECT_EQ(changed, 2);
    EXPECT_EQ(model.data(model.index(0, 0)).toString(), QStringLiteral("  01"));
    EXPECT_EQ(model.data(model.index(24, 0)).toString(), QStringLiteral("  25"));
    EXPECT_EQ(model.data(model.index(2, 3)).toString(), QStringLiteral("海辺の歌"));
    EXPECT_EQ(model.data(model.index(2, 1), Qt::CheckStateRole), Qt::Checked);
    EXPECT_EQ(model.data(model.index(1, 1), Qt::CheckStateRole), Qt::Unchecked);
    EXPECT_EQ(model.data(model.index(2, 1), Qt::EditRole).toString(), QStringLiteral("1"));
    EXPECT_FALSE(model.flags(model.index(2, 3)).testFlag(Qt::ItemIsEditable));
    EXPECT_THROW(model.track(26), std::out_of_range);
}

TEST(TitleTestsTest, RawCountsBlanksTrimmedDoesNot) {
    EXPECT_TRUE(isTitleEmptyRaw(QString()));
    EXPECT_FALSE(isTitleEmptyRaw(QStringLiteral("  ")));
    EXPECT_TRUE(isTitleEmptyTrimmed(QStringLiteral(" \t ")));
    EXPECT_FALSE(isTitleEmptyTrimmed(QStringLiteral("\u3000")));
}

} // namespace
} // namespace lccd
