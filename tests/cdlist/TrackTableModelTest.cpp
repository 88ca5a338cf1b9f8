#include "cdlist/TrackTableModel.h"

#include <gtest/gtest.h>

namespace lccd {
namespace {

TEST(TrackTableModelTest, NineColumnsWithTheirHeadersAndWidths) {
    const TrackTableModel model;
    EXPECT_EQ(model.rowCount(), kTrackRowCount);
    ASSERT_EQ(model.columnCount(), kTrackColumnCount);
    const QStringList headers = {"",           "使",         " 時間",
                                 "    曲  名", "    演  者", "    アルバム",
                                 "   年",      "ジャンル",   "Filename"};
    const int widths[] = {30, 20, 50, 220, 150, 150, 50, 50, 1};
    for (int column = 0; column < kTrackColumnCount; ++column) {
        EXPECT_EQ(model.headerData(column, Qt::Horizontal).toString(), headers[column]);
        EXPECT_EQ(TrackTableModel::initialColumnWidth(TrackColumn(column)), widths[column]);
    }
}

TEST(TrackTableModelTest, CellsShowNumbersChecksAndFields) {
    TrackTableModel model;
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
