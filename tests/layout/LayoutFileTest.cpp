#include "layout/LayoutFile.h"
#include "layout/LayoutIniStore.h"

#include "platform/AppError.h"
#include "platform/CodePage.h"
#include "platform/FileIO.h"
#include "platform/IniFile.h"
#include "tests/support/ScriptedDialogs.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace lccd {
namespace {

class LayoutFileTest : public ::testing::Test {
protected:
    QString file(const QString& name, const QByteArray& content) {
        const QString path = dir.filePath(name);
        writeFileAtomically(path, content);
        return path;
    }

    QTemporaryDir dir;
};

TEST_F(LayoutFileTest, HeaderRuleRefusesShortFilesAndHeaders) {
    const QByteArray header14 = "ID,画,印,編,左,上,幅,高,幅２,配置,縦,XLS,値,書体";
    const LayoutFileRead headerOnly = readLayoutFile(
        file(QStringLiteral("one.csv"), toSjis(QString::fromUtf8(header14)) + "\r\n"));
    EXPECT_FALSE(headerOnly.content);
    EXPECT_EQ(headerOnly.refusal, LayoutFileRefusal::TooFewLines);
    const LayoutFileRead shortHeader =
        readLayoutFile(file(QStringLiteral("h13.csv"), "a,b,c,d,e,f,g,h,i,j,k,l,m\r\nx\r\n"));
    EXPECT_FALSE(shortHeader.content);
    EXPECT_EQ(shortHeader.refusal, LayoutFileRefusal::ShortHeader);

    const auto content = readLayoutFile(file(QStringLiteral("h14.csv"),
                                             toSjis(QString::fromUtf8(header14) +
                                                    QStringLiteral("\r\n矩形,,Yes\r\n\r\nlast"))))
                             .content;
    ASSERT_TRUE(content);
    EXPECT_EQ(content->headerFieldCount, 14);
    EXPECT_EQ(content->rowLines, (QStringList{QStringLiteral("矩形,,Yes"), QString(), "last"}));
    const QString missing = dir.filePath(QStringLiteral("missing.csv"));
    const LayoutFileRead unread = readLayoutFile(missing);
    EXPECT_EQ(unread.refusal, LayoutFileRefusal::CannotRead);
    EXPECT_EQ(describeLayoutFileRefusal(unread, missing),
              QStringLiteral("ファイル %1 は開けません").arg(missing));
}

// A Linux editor saves UTF-8, with or without a byte-order mark; the program's own files are
// code page 932.
TEST_F(LayoutFileTest, ReadsUtf8LayoutsAsUtf8) {
    const QString text = QStringLiteral(
        "ID,画面,印刷,編集,左,上,幅,高,幅２,配置,縦書き,XLS,値,書体,サイズ,文字色,矩形色\r\n"
        "文字,Yes,Yes,Yes,100,100,900,60,,左寄せ,No,13.5,夏の記録,ＭＳ Ｐゴシック,12,clBlack,"
        "clWhite\r\n");
    const struct {
        const char* name;
        QByteArray bytes;
        bool utf8;
    } cases[] = {
        {"bom.csv", "\xEF\xBB\xBF" + text.toUtf8(), true},
        {"plain.csv", text.toUtf8(), true},
        {"sjis.csv", toSjis(text), false},
    };
    for (const auto& c : cases) {
        const auto content = readLayoutFile(file(QString::fromLatin1(c.name), c.bytes)).content;
        ASSERT_TRUE(content) << c.name;
        EXPECT_EQ(content->utf8, c.utf8) << c.name;
        EXPECT_EQ(content->headerFieldCount, 17) << c.name;
        EXPECT_EQ(content->rowLines, text.split(QStringLiteral("\r\n")).mid(1, 1)) << c.name;
    }
}

TEST_F(LayoutFileTest, WritesHeaderAndRowsInShiftJisWithCrLf) {
    LayoutItem row = LayoutItem::fromRowLine(
        QStringLiteral("文字,Yes,Yes,Yes,1,2,3,4,,左寄せ,No,,x,Arial,9,clRed,clWhite"));
    row.setField(Field::Value, QStringLiteral("1,2"));
    const QString path = dir.filePath(QStringLiteral("out.csv"));
    writeLayoutFile(path, {row});
    const QByteArray expected = toSjis(QStringLiteral(
        "ID,画面,印刷,編集,左,上,幅,高,幅２,配置,縦書き,XLS,値,書体,サイズ,文字色,矩形色\r\n"
        "文字,Yes,Yes,Yes,1,2,3,4,,左寄せ,No,,\"1,2\",Arial,9,clRed,clWhite\r\n"));
    EXPECT_EQ(readWholeFile(path), expected);
    const auto back = readLayoutFile(path).content;
    ASSERT_TRUE(back);
    EXPECT_EQ(LayoutItem::fromRowLine(back->rowLines[0]), row);
}

TEST_F(LayoutFileTest, SavePathGetsTheCsvExtension) {
    EXPECT_EQ(layoutSavePath(QStringLiteral("/d/label")), QStringLiteral("/d/label.csv"));
    EXPECT_EQ(layoutSavePath(QStringLiteral("/d/label.CSV")), QStringLiteral("/d/label.CSV"));
    EXPECT_EQ(layoutSavePath(QStringLiteral("/d/label.txt")), QStringLiteral("/d/label.csv"));
    EXPECT_EQ(layoutSavePath(QStringLiteral("/d.x/label")), QStringLiteral("/d.x/label.csv"));
    EXPECT_EQ(layoutSavePath(QStringLiteral("/d/label.")), QStringLiteral("/d/label.csv"));
    EXPECT_EQ(layoutSavePath(QStringLiteral("/d/.hidden")), QStringLiteral("/d/.hidden.csv"));
}

// Every control character (and the Unicode line separators) in every field: the file and the
// INI store each read back one row of seventeen fields, the characters as blanks.
TEST_F(LayoutFileTest, NoCharacterInAFieldBreaksTheRowInAFileOrTheIniStore) {
    test::ScriptedDialogs dialogs; // the INI file is created on the first store
    QList<char16_t> controls{0x7F, 0x85, 0x2028, 0x2029};
    for (char16_t c = 0; c < 0x20; ++c)
        controls.append(c);
    for (char16_t c : controls) {
        const QString inside = QStringLiteral("a") + QChar(c) + QStringLiteral("b");
        LayoutItem row;
        for (Field field : kAllFields)
            row.setField(field, QString::number(fieldNumber(field)) + inside);
        row.setField(Field::Id, QStringLiteral("文字") + inside);

        const QString csv = dir.filePath(QStringLiteral("c.csv"));
        writeLayoutFile(csv, {row});
        const auto file = readLayoutFile(csv).content;
        ASSERT_TRUE(file) << int(c);
        const QString ini = dir.filePath(QStringLiteral("c.ini"));
        SaveLayoutToIni(ini, {row});
        const auto stored = LoadLayoutFromIni(ini);
        ASSERT_TRUE(stored) << int(c);

        for (const QStringList& lines : {file->rowLines, *stored}) {
            ASSERT_EQ(lines.size(), 1) << int(c);
            const LayoutItem back = LayoutItem::fromRowLine(lines[0]);
            EXPECT_EQ(back.field(Field::Id), QStringLiteral("文字a b")) << int(c);
            for (Field field : kAllFields) {
                if (field == Field::Id)
                    continue;
                EXPECT_EQ(back.field(field),
                          QString::number(fieldNumber(field)) + QStringLiteral("a b"))
                    << int(c) << " field " << fieldNumber(field);
            }
        }
    }
}

TEST_F(LayoutFileTest, IniStoreStopsAtAGapAndKeepsOtherSections) {
    const QString ini = file(QStringLiteral("lccdtool.ini"),
                             "[Form1]\r\nTop=5\r\n[ListView]\r\nItem0=a\r\nitem1=b\r\nItem3=d\r\n");
    EXPECT_EQ(LoadLayoutFromIni(ini), (QStringList{"a", "b"}));
    EXPECT_FALSE(LoadLayoutFromIni(dir.filePath(QStringLiteral("none.ini"))));

    SaveLayoutToIni(ini, {LayoutItem::fromRowLine(QStringLiteral("矩形,,Yes,,\"1,5\""))});
    EXPECT_EQ(LoadLayoutFromIni(ini),
              (QStringList{QStringLiteral("矩形,,Yes,,\"1,5\",,,,,,,,,,,,")}));
    IniFile stored(ini);
    stored.load();
    EXPECT_EQ(stored.readString(QStringLiteral("Form1"), QStringLiteral("Top"), QString()),
              QStringLiteral("5"));
    SaveLayoutToIni(ini, {});
    EXPECT_EQ(LoadLayoutFromIni(ini), QStringList{});
    EXPECT_FALSE(readWholeFile(ini).contains("ListView"));
}

TEST_F(LayoutFileTest, IniStoreCreatesAMissingFileAndSaysSo) {
    const QString ini = dir.filePath(QStringLiteral("new.ini"));
    EXPECT_EQ(SaveLayoutToIni(ini, {LayoutItem::fromRowLine(QStringLiteral("設定"))}),
              IniStoreOutcome::StoredInNewFile);
    EXPECT_EQ(SaveLayoutToIni(ini, {LayoutItem::fromRowLine(QStringLiteral("設定"))}),
              IniStoreOutcome::Stored);
    EXPECT_EQ(readWholeFile(ini),
              QByteArray("[General]\r\nName=MarovellApplication\r\n[ListView]\r\n"
                         "Item0=") +
                  toSjis(QStringLiteral("設定")) + ",,,,,,,,,,,,,,,,\r\n");
}

// A store the program could not read back is refused before anything is written, whether the
// INI file exists or not.
TEST_F(LayoutFileTest, IniStoreRefusesAFileLargerThanTheReaderTakes) {
    EXPECT_TRUE(withinReadLimit(67108864)); // 64 MB
    EXPECT_FALSE(withinReadLimit(67108865));

    // 16 Mi double-byte characters a row: two rows are 64 MB of values alone.
    const LayoutItem huge = LayoutItem::fromRowLine(QStringLiteral("文字,,,,,,,,,,,,") +
                                                    QString(16 * 1024 * 1024, QChar(u'あ')));
    const QString existing =
        file(QStringLiteral("lccdtool.ini"), "[Form1]\r\nTop=5\r\n[ListView]\r\nItem0=a\r\n");
    const QByteArray before = readWholeFile(existing);
    const QString missing = dir.filePath(QStringLiteral("new.ini"));
    EXPECT_EQ(SaveLayoutToIni(existing, {huge, huge}), IniStoreOutcome::TooLarge);
    EXPECT_EQ(readWholeFile(existing), before);
    EXPECT_EQ(SaveLayoutToIni(missing, {huge, huge}), IniStoreOutcome::TooLarge);
    EXPECT_FALSE(QFile::exists(missing));
    EXPECT_EQ(describeIniStoreOutcome(IniStoreOutcome::TooLarge, existing),
              QStringLiteral("保存すると %1 が 64 MB を超えて読み込めなくなるため、保存しません"
                             "でした")
                  .arg(existing));
}

TEST_F(LayoutFileTest, FailedIniStoreKeepsTheOldRows) {
    const QString ini =
        file(QStringLiteral("lccdtool.ini"), "[ListView]\r\nItem0=a\r\nItem1=b\r\n");
    const QByteArray before = readWholeFile(ini);
    setWriteFaultForTests([](const QString&) { return true; });
    try {
        SaveLayoutToIni(ini, {LayoutItem::fromRowLine(QStringLiteral("x"))});
        ADD_FAILURE() << "the failed write was not reported";
    } catch (const AppError& error) {
        EXPECT_EQ(error.message(), ini + QStringLiteral(" に書き込めません"));
    }
    setWriteFaultForTests({});
    EXPECT_EQ(readWholeFile(ini), before);
}

} // namespace
} // namespace lccd
