#include "layout/ListCommands.h"

namespace lccd {

QString sampleRowLine(SampleRow sample) {
    switch (sample) {
    case SampleRow::Text:
        return QStringLiteral(
            "文字,Yes,Yes,Yes,110,150,489,53,1,左寄せ,No,,サンプル文字,MS UI Gothic,8,"
            "clWindowText,clWhite");
    case SampleRow::Paragraph:
        return QStringLiteral(
            "文章,Yes,Yes,Yes,200,200,700,1000,,左寄せ,No,13.5,ミナモ楽団.txt,ＭＳ 明朝,"
            "9.0,clWindowText,clWhite");
    case SampleRow::Image:
        return QStringLiteral("画像,Yes,Yes,Yes,1000,450,243,66,,,,,MarovellLogo.jpg ,,,,clNavy");
    case SampleRow::Rectangle:
        return QStringLiteral("矩形,Yes,Yes,Yes,100,100,120,100,,,,,,実線,1,clGray,clYellow");
    case SampleRow::RuleLine:
        return QStringLiteral("罫線,Yes,No,Yes,1550,100,400,500,,,,,,実線,1,clGray,clWhite");
    case SampleRow::Barcode:
        return QStringLiteral(
            "バーコード,Yes,Yes,No,318,600,585,56,1,左寄せ,No,,(12345678-9A12-34DDDDF),"
            "i-JapanPost,9,clWindowText,clWhite");
    case SampleRow::Settings:
        return QStringLiteral("設定,,,,,,,,,,Yes,,A4,,,,");
    }
    return QString();
}

int moveRowUp(LayoutList& list, int row) {
    if (row <= 0 || row >= list.count())
        return row;
    const LayoutItem moved = list.item(row);
    list.insert(row - 1, moved);
    list.remove(row + 1);
    return row - 1;
}

int moveRowDown(LayoutList& list, int row) {
    if (row < 0 || row >= list.count() - 1)
        return row;
    const LayoutItem moved = list.item(row);
    list.insert(row + 2, moved);
    list.remove(row);
    return row + 1;
}

} // namespace lccd
