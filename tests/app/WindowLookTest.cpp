#include "tests/app/MainWindowFixture.h"

#include "app/Version.h"
#include "cdlist/CheckWavFile.h"
#include "cdlist/EditCdList.h"
#include "cdlist/EditItems.h"
#include "cdlist/Option.h"
#include "cdlist/TrackTableModel.h"
#include "layout/ListCommands.h"
#include "platform/IniFile.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QHeaderView>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTableView>

namespace lccd {
namespace {

using WindowLookTest = test::MainWindowTest;

// Whether a cell shows its whole text: the place the style gives the text in the cell (after
// the check box and icon) is as wide as in a cell of any width, so nothing is cut to "…". This
// is what cut the face names in their designed width, by the pixel of the grid line.
bool showsWholeText(const QTableView& view, const QModelIndex& index) {
    QStyleOptionViewItem option;
    option.initFrom(&view);
    option.font = view.font();
    option.fontMetrics = view.fontMetrics();
    option.features = QStyleOptionViewItem::HasDisplay;
    option.text = index.data().toString();
    if (index.data(Qt::CheckStateRole).isValid())
        option.features |= QStyleOptionViewItem::HasCheckIndicator;
    if (index.data(Qt::DecorationRole).isValid()) {
        option.features |= QStyleOptionViewItem::HasDecoration;
        option.decorationSize = view.iconSize().isValid() ? view.iconSize() : QSize(16, 16);
    }
    auto textPlace = [&](int cellWidth) {
        option.rect = QRect(0, 0, cellWidth, view.rowHeight(index.row()));
        return view.style()->subElementRect(QStyle::SE_ItemViewItemText, &option, &view);
    };
    // the grid line takes a pixel of the column
    const int cell = view.columnWidth(index.column()) - (view.showGrid() ? 1 : 0);
    return textPlace(cell).width() >= textPlace(100000).width();
}

bool isJapaneseFamily(const QFont& font) {
    const QString family = QFontInfo(font).family();
    return QFontDatabase::writingSystems(family).contains(QFontDatabase::Japanese);
}

TEST_F(WindowLookTest, OneJapaneseFontFamilyForLatinAndJapanese) {
    open();
    // Menus, dialogs and the window all take the application's font, whatever the locale.
    EXPECT_TRUE(isJapaneseFamily(QApplication::font()))
        << QFontInfo(QApplication::font()).family().toStdString();
    EXPECT_EQ(QFontInfo(form->font()).family(), QFontInfo(QApplication::font()).family());
    EXPECT_EQ(QFontInfo(child<QTableView>("TntListView1")->font()).family(),
              QFontInfo(QApplication::font()).family());
    EXPECT_EQ(QApplication::font().pixelSize(), 12);
}

// Every kind word beside its check box and icon, every alignment word, and the flags, numbers,
// faces and colors of the built-in rows show whole; only a long value is cut.
TEST_F(WindowLookTest, ListColumnsShowTheirContentWhole) {
    open();
    for (SampleRow sample :
         {SampleRow::Text, SampleRow::Paragraph, SampleRow::Image, SampleRow::Rectangle,
          SampleRow::RuleLine, SampleRow::Barcode, SampleRow::Settings})
        form->AddLayoutRow(sampleRowLine(sample), kLayoutFieldCount);
    for (const char* align : {"拡張左右合せ", "中心合せ", "左右合せ", "右寄せ"})
        form->AddLayoutRow(QStringLiteral("文字,Yes,Yes,Yes,-1000,2970,1200,53,1,%1,No,13.5,x,"
                                          "HG創英角ﾎﾟｯﾌﾟ体,10.5,clWindowText,$00B48246")
                               .arg(QString::fromUtf8(align)),
                           kLayoutFieldCount);
    QTableView& view = *child<QTableView>("TntListView1");
    const LayoutList& list = form->layoutList();
    EXPECT_GE(view.columnWidth(0), 70); // the designed width is the least
    for (int row = 0; row < list.count(); ++row)
        for (int column = 0; column < kLayoutFieldCount; ++column) {
            if (column == LayoutList::columnOf(Field::Value))
                continue;
            const QModelIndex index = list.index(row, column);
            EXPECT_TRUE(showsWholeText(view, index))
                << list.data(index, Qt::DisplayRole).toString().toStdString() << " in column "
                << column;
        }
    for (int column = 0; column < kLayoutFieldCount; ++column)
        EXPECT_LE(view.horizontalHeader()->sectionSizeHint(column), view.columnWidth(column))
            << column;
    // and the check sees a cut text: the face in a column of the designed 100 pixels less 40
    const int faceColumn = LayoutList::columnOf(Field::Face);
    view.setColumnWidth(faceColumn, 60);
    EXPECT_FALSE(showsWholeText(view, list.index(list.count() - 1, faceColumn)));
}

// The designed widths suit a 12-pixel font; in a larger one (a desktop's default font under a
// Japanese locale, say) the columns widen so that row numbers, times, genres and headers still
// show whole, while the file name column stays hidden.
TEST_F(WindowLookTest, CdListGridColumnsFitTheirContentInAnyFont) {
    const QFont previous = QApplication::font();
    QFont large = previous;
    large.setPixelSize(20);
    QApplication::setFont(large);
    TfrmEditItems editItems;
    TfrmOption options;
    TfrmCheckWavFile checkWavFile;
    TfrmEditCdList editor(paths, editItems, options, checkWavFile, services.services());
    QApplication::setFont(previous);

    auto* grid = editor.findChild<QTableView*>(QStringLiteral("CtrlGrid1"));
    ASSERT_NE(grid, nullptr);
    auto& model = *qobject_cast<TrackTableModel*>(grid->model());
    for (int row = 1; row <= kTrackRowCount; ++row) {
        model.setField(row, TrackColumn::Time, QStringLiteral("999:59"));
        model.setField(row, TrackColumn::Year, QStringLiteral("2024"));
        model.setField(row, TrackColumn::Genre, defaultGenres().value(row % 15));
    }
    for (int row = 0; row < model.rowCount(); ++row)
        for (TrackColumn column :
             {TrackColumn::Number, TrackColumn::Time, TrackColumn::Year, TrackColumn::Genre}) {
            const QModelIndex index = model.index(row, int(column));
            EXPECT_TRUE(showsWholeText(*grid, index)) << model.data(index).toString().toStdString();
        }
    const int fileName = model.columnCount() - 1;
    for (int column = 0; column < fileName; ++column)
        EXPECT_LE(grid->horizontalHeader()->sectionSizeHint(column), grid->columnWidth(column))
            << column;
    EXPECT_EQ(grid->columnWidth(fileName), 1);
    EXPECT_GE(grid->columnWidth(0), 30);
    EXPECT_GE(grid->columnWidth(1), 20);
}

TEST_F(WindowLookTest, VersionWindowShowsItsPurposeLineWhole) {
    open();
    auto* purpose = form->frmVersion().findChild<QLabel*>(QStringLiteral("Label4"));
    ASSERT_NE(purpose, nullptr);
    EXPECT_GE(form->frmVersion().width(), 546);
    EXPECT_LE(purpose->fontMetrics().horizontalAdvance(purpose->text()),
              form->frmVersion().width());
    EXPECT_GE(purpose->font().pixelSize(), 12);
}

// The title in Tahoma at 48 pixels, whole in its 65-pixel label: the window widens for it.
TEST_F(WindowLookTest, VersionWindowShowsItsTitleWholeAtFortyEightPixels) {
    open();
    TfrmVersion& version = form->frmVersion();
    version.show();
    QCoreApplication::processEvents();
    auto* title = version.findChild<QLabel*>(QStringLiteral("Label1"));
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->font().family(), QStringLiteral("Tahoma"));
    EXPECT_EQ(title->font().pixelSize(), 48);
    EXPECT_EQ(title->height(), 65);
    EXPECT_LE(title->fontMetrics().height(), title->height());
    EXPECT_LE(title->fontMetrics().horizontalAdvance(title->text()), title->contentsRect().width());
    EXPECT_LE(title->geometry().right(), version.rect().right());
    version.close();
}

// The settings hold the window's outer size, frame included, as they hold the frame's position:
// the designed 870 × 606 is the whole window.
TEST_F(WindowLookTest, WindowSizeIsTheFrameSize) {
    open();
    form->show();
    QCoreApplication::processEvents();
    ASSERT_NE(form->frameGeometry().size(), form->size()) << "the platform draws no frame";
    EXPECT_EQ(form->frameGeometry().size(), QSize(870, 606));
    form.reset();

    IniFile ini(paths.iniPath);
    ini.load();
    EXPECT_EQ(ini.readString(QStringLiteral("Form1"), QStringLiteral("Width"), QString()), "870");
    EXPECT_EQ(ini.readString(QStringLiteral("Form1"), QStringLiteral("Height"), QString()), "606");

    ini.writeString(QStringLiteral("Form1"), QStringLiteral("Width"), QStringLiteral("1000"));
    ini.save();
    open().show();
    QCoreApplication::processEvents();
    EXPECT_EQ(form->frameGeometry().width(), 1000);
}

} // namespace
} // namespace lccd
