#include "platform/IniFile.h"
#include "platform/AppError.h"
#include "platform/CodePage.h"
#include "platform/FileIO.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace lccd {
namespace {

class IniFileTest : public ::testing::Test {
protected:
    QByteArray bytes() const { return readWholeFile(path); }
    void write(const QByteArray& content) { writeFileAtomically(path, content); }

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("lccdtool.ini"));
};

TEST_F(IniFileTest, NamesInAnyCaseOrderKeptNewKeysAppended) {
    write("; kept comment\r\n[Form1]\r\ntop = 12\r\nLeft=3\r\n\r\n[ListView]\r\nItem0=a,b\r\n");
    IniFile ini(path);
    ini.load();
    EXPECT_EQ(ini.readString(QStringLiteral("FORM1"), QStringLiteral("Top"), QString()),
              QStringLiteral("12"));
    EXPECT_FALSE(ini.hasKey(QStringLiteral("Form1"), QStringLiteral("Width")));
    ini.writeString(QStringLiteral("form1"), QStringLiteral("WIDTH"), QStringLiteral("870"));
    ini.writeString(QStringLiteral("Form1"), QStringLiteral("LEFT"), QStringLiteral("4"));
    ini.writeString(QStringLiteral("Option"), QStringLiteral("NoCut"), QStringLiteral("1"));
    ini.save();
    EXPECT_EQ(bytes(),
              QByteArray("; kept comment\r\n[Form1]\r\ntop=12\r\nLeft=4\r\nWIDTH=870\r\n\r\n"
                         "[ListView]\r\nItem0=a,b\r\n[Option]\r\nNoCut=1\r\n"));
}

TEST_F(IniFileTest, ShiftJisValuesAndTheReadLimit) {
    IniFile ini(path);
    const QString row =
        QStringLiteral("文字,Yes,Yes,Yes,110,150,489,53,1,左寄せ,No,,表ソ,ＭＳ 明朝,9,,");
    ini.writeString(QStringLiteral("ListView"), QStringLiteral("Item0"), row);
    ini.writeString(QStringLiteral("ListView"), QStringLiteral("Item1"),
                    QString(1000, QChar(u'あ')) + QStringLiteral("x"));
    ini.save();
    EXPECT_TRUE(bytes().contains(toSjis(row)));

    IniFile back(path);
    back.load();
    EXPECT_EQ(back.readString(QStringLiteral("listview"), QStringLiteral("item0"), QString()), row);
    // 2001 bytes stored, at most 2047 read, never half a character
    const QString cut =
        back.readString(QStringLiteral("ListView"), QStringLiteral("Item1"), QString());
    EXPECT_EQ(cut, QString(1000, QChar(u'あ')) + QStringLiteral("x"));
    back.writeString(QStringLiteral("ListView"), QStringLiteral("Item1"),
                     QString(1100, QChar(u'あ')));
    EXPECT_EQ(
        back.readString(QStringLiteral("ListView"), QStringLiteral("Item1"), QString()).size(),
        1023);
}

TEST_F(IniFileTest, OnlyBytesUpToTheBlankAreTrimmed) {
    // Full-width blanks and other Unicode blanks belong to a value, as in Windows profile files;
    // blanks and control characters around names and values do not.
    write(toSjis(QStringLiteral("[ Form1\t]\r\n\t Top \x01= 　12　 \r\n"
                                "Name=\t値\t\r\n[　全角]\r\nK=v\r\n")));
    IniFile ini(path);
    ini.load();
    EXPECT_EQ(ini.readString(QStringLiteral("form1"), QStringLiteral("top"), QString()),
              QStringLiteral("　12　"));
    EXPECT_EQ(ini.readString(QStringLiteral("Form1"), QStringLiteral("Name"), QString()),
              QStringLiteral("値"));
    EXPECT_FALSE(ini.hasKey(QStringLiteral("全角"), QStringLiteral("K")));
    EXPECT_TRUE(ini.hasKey(QStringLiteral("　全角"), QStringLiteral("K")));

    // and they survive a save
    ini.save();
    IniFile back(path);
    back.load();
    EXPECT_EQ(back.readString(QStringLiteral("Form1"), QStringLiteral("Top"), QString()),
              QStringLiteral("　12　"));
}

TEST_F(IniFileTest, DuplicateNamesFindTheFirstAndErasingRemovesEveryOne) {
    write("[A]\r\nk=1\r\nK=2\r\n[B]\r\nk=3\r\n[a]\r\nk=4\r\nnew=5\r\n\r\n");
    IniFile ini(path);
    ini.load();
    EXPECT_EQ(ini.readString(QStringLiteral("a"), QStringLiteral("k"), QString()), "1");
    EXPECT_FALSE(ini.hasKey(QStringLiteral("A"), QStringLiteral("new")));
    ini.writeString(QStringLiteral("A"), QStringLiteral("k"), QStringLiteral("6"));
    ini.writeString(QStringLiteral("b"), QStringLiteral("x"), QStringLiteral("7"));
    ini.eraseSection(QStringLiteral("A"));
    ini.writeString(QStringLiteral("B"), QStringLiteral("y"), QStringLiteral("8"));
    ini.writeString(QStringLiteral("C"), QStringLiteral("z"), QStringLiteral("9"));
    EXPECT_FALSE(ini.hasKey(QStringLiteral("A"), QStringLiteral("k")));
    EXPECT_EQ(ini.readString(QStringLiteral("B"), QStringLiteral("y"), QString()), "8");
    // letter case beyond ASCII, a character outside the BMP included
    ini.writeString(QStringLiteral("Ä"), QStringLiteral("\U00010400"), QStringLiteral("10"));
    EXPECT_EQ(ini.readString(QStringLiteral("ä"), QStringLiteral("\U00010428"), QString()), "10");
    ini.eraseSection(QStringLiteral("Ä"));
    ini.save();
    EXPECT_EQ(bytes(), QByteArray("[B]\r\nk=3\r\nx=7\r\ny=8\r\n[C]\r\nz=9\r\n"));
}

TEST_F(IniFileTest, FailedSaveLeavesThePreviousFileWhole) {
    write("[General]\r\nName=MarovellApplication\r\n");
    const QByteArray before = bytes();
    IniFile ini(path);
    ini.load();
    ini.eraseSection(QStringLiteral("General"));
    ini.writeString(QStringLiteral("Form1"), QStringLiteral("Top"), QStringLiteral("1"));
    setWriteFaultForTests([](const QString&) { return true; });
    EXPECT_THROW(ini.save(), AppError);
    setWriteFaultForTests({});
    EXPECT_EQ(bytes(), before);
}

} // namespace
} // namespace lccd
