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
