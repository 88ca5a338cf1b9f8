#pragma once

#include <QStringList>

// The rows of a CD jacket made from the built-in template, with 25 songs in two columns.
inline QStringList jacketRows() {
    QStringList rows = {
        QStringLiteral("設定,Yes,Yes,Yes,,,,,,左寄せ,No,13.5,A4,ＭＳ Ｐゴシック,9,clBlack,clWhite"),
        QStringLiteral("画像,Yes,Yes,Yes,105,105,1195,1200,,左寄せ,No,13.5,/nonexistent/"
                       "jacket.jpg,HG創英角ﾎﾟｯﾌﾟ体,9.0,clBlack,clNavy"),
        QStringLiteral("罫線,Yes,Yes,Yes,1300,100,1300,1200,,左寄せ,No,13.5,,ＭＳ "
                       "Ｐゴシック,0.3,clGray,clWhite"),
        QStringLiteral("矩形,Yes,Yes,Yes,100,100,2500,1300,,左寄せ,No,13.5,,ＭＳ "
                       "Ｐゴシック,3.0,clGray,clWhite"),
        QStringLiteral("矩形,Yes,Yes,Yes,105,1200,1300,1295,,左寄せ,No,13.5,,ＭＳ "
                       "Ｐゴシック,0.3,clGray,$00B7BDC8"),
        QStringLiteral("文字,Yes,Yes,Yes,1000,1213,1200,53,1,左寄せ,No,13.5,ミナモ楽団,"
                       "AR浪漫明朝体U,10.0,clNavy,clWhite"),
        QStringLiteral("文字,Yes,Yes,Yes,1000,1250,1200,53,1,左寄せ,No,13.5,ファンクラブ,"
                       "AR浪漫明朝体U,10.0,clNavy,clWhite"),
        QStringLiteral("矩形,Yes,Yes,Yes,990,1210,1220,1290,10,角丸,No,13.5,,ＭＳ "
                       "Ｐゴシック,0.7,clNavy,clWhite"),
        QStringLiteral("矩形,Yes,Yes,Yes,105,1160,1300,1200,10,矩形,No,13.5,,ＭＳ "
                       "Ｐゴシック,0.7,$00400040,$00400040"),
        QStringLiteral(
            "矩形,Yes,No,Yes,1400,1080,2280,1250,,矩形,No,3.0,,MS UI Gothic,0.5,clGray,$00FAE6E6"),
        QStringLiteral("文字,Yes,Yes,Yes,190,1165,1000,53,1,中心合せ,No,13.5,\"MNGD-0001 2026 "
                       "(P)(C) 2025-2026, Minamo Records\",Arial Narrow,8.0,$00B3DEF5,clWhite"),
        QStringLiteral("文字,Yes,Yes,Yes,150,1230,1200,53,1,左寄せ,No,13.5,夏の終わりのコンサート,"
                       "HG創英角ﾎﾟｯﾌﾟ体,11.0,$00B48246,clWhite"),
        QStringLiteral("文字,Yes,Yes,Yes,1250,130,1200,53,1,中心合せ,No,13.5,"
                       "夏の終わりのコンサート,HG創英角ﾎﾟｯﾌﾟ体,14.0,$008B0000,clWhite"),
        QStringLiteral("文字,Yes,Yes,Yes,1250,200,1200,53,1,中心合せ,No,13.5,第一部,"
                       "HG創英角ﾎﾟｯﾌﾟ体,12.0,clBlack,clWhite"),
        QStringLiteral("文字,Yes,Yes,Yes,1250,260,1200,53,1,中心合せ,No,13.5,,HG創英角ﾎﾟｯﾌﾟ体,12.0,"
                       "clBlack,clWhite"),
        QStringLiteral("文字,Yes,Yes,Yes,1250,330,1200,53,1,中心合せ,No,13.5,ミナモ楽団,ＭＳ "
                       "Ｐゴシック,14.0,$008B0000,clWhite"),
        QStringLiteral("矩形,Yes,Yes,Yes,1350,500,2450,1250,,,No,13.5,,,2.5,clTeal,clWhite"),
    };
    for (int song = 1; song <= 25; ++song) {
        const bool second = song > 13;
        const int top = 600 + 45 * (second ? song - 14 : song - 1);
        rows.append(QStringLiteral("文字,Yes,Yes,Yes,%1,%2,470,30,,左寄せ,No,10.5,\"%3 004:%4 "
                                   "海辺の歌 その%5\",\"MS UI Gothic\",9.5,clWindowText,clWhite")
                        .arg(second ? 1910 : 1400)
                        .arg(top)
                        .arg(song, 2, 10, QLatin1Char('0'))
                        .arg(song + 10)
                        .arg(song));
    }
    return rows;
}
