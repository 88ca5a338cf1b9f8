#include "disc/LabelTemplate.h"

#include "common/MyCommonW.h"
#include "disc/DiscInfo.h"
#include "layout/LayoutItem.h"
#include "platform/BlankTrim.h"
#include "platform/CodePage.h"
#include "platform/FileIO.h"
#include "platform/ProgramPaths.h"

#include <QFileInfo>

#include <array>

namespace lccd {
namespace {

// The rows after the header. The credit line is the only value in quotes: it holds a comma.
constexpr std::array<const char16_t*, 17> kBuiltInRows = {
    u"設定,Yes,Yes,Yes,,,,,,左寄せ,No,13.5,A4,ＭＳ Ｐゴシック,9,clBlack,clWhite",
    u"画像,Yes,Yes,Yes,105,105,1195,1200,,左寄せ,No,13.5,[ジャケット画像],HG創英角ﾎﾟｯﾌﾟ体,9.0,"
    u"clBlack,clNavy",
    u"罫線,Yes,Yes,Yes,1300,100,1300,1200,,左寄せ,No,13.5,,ＭＳ Ｐゴシック,0.3,clGray,clWhite",
    u"矩形,Yes,Yes,Yes,100,100,2500,1300,,左寄せ,No,13.5,,ＭＳ Ｐゴシック,3.0,clGray,clWhite",
    u"矩形,Yes,Yes,Yes,105,1200,1300,1295,,左寄せ,No,13.5,,ＭＳ Ｐゴシック,0.3,clGray,$00B7BDC8",
    u"文字,Yes,Yes,Yes,1000,1213,1200,53,1,左寄せ,No,13.5,ミナモ楽団,AR浪漫明朝体U,10.0,clNavy,"
    u"clWhite",
    u"文字,Yes,Yes,Yes,1000,1250,1200,53,1,左寄せ,No,13.5,ファンクラブ,AR浪漫明朝体U,10.0,clNavy,"
    u"clWhite",
    u"矩形,Yes,Yes,Yes,990,1210,1220,1290,10,角丸,No,13.5,,ＭＳ Ｐゴシック,0.7,clNavy,clWhite",
    u"矩形,Yes,Yes,Yes,105,1160,1300,1200,10,矩形,No,13.5,,ＭＳ Ｐゴシック,0.7,$00400040,"
    u"$00400040",
    u"矩形,Yes,No,Yes,1400,1080,2280,1250,,矩形,No,3.0,,MS UI Gothic,0.5,clGray,$00FAE6E6",
    u"文字,Yes,Yes,Yes,190,1165,1000,53,1,中心合せ,No,13.5,\"MNGD-[ＣＤＩＤ] [ＤＡＴＥ] "
    u"(P)(C) 2008-2010 Minamo Records, all rights reserved, manufactured by the Minamo Fan "
    u"Club.\",Arial Narrow,8.0,$00B3DEF5,clWhite",
    u"文字,Yes,Yes,Yes,150,1230,1200,53,1,左寄せ,No,13.5,[ＣＤタイトル],HG創英角ﾎﾟｯﾌﾟ体,11.0,"
    u"$00B48246,clWhite",
    u"文字,Yes,Yes,Yes,1250,130,1200,53,1,中心合せ,No,13.5,[ＣＤタイトル],HG創英角ﾎﾟｯﾌﾟ体,14.0,"
    u"$008B0000,clWhite",
    u"文字,Yes,Yes,Yes,1250,200,1200,53,1,中心合せ,No,13.5,[タイトルサブ1],HG創英角ﾎﾟｯﾌﾟ体,12.0,"
    u"clBlack,clWhite",
    u"文字,Yes,Yes,Yes,1250,260,1200,53,1,中心合せ,No,13.5,[タイトルサブ2],HG創英角ﾎﾟｯﾌﾟ体,12.0,"
    u"clBlack,clWhite",
    u"文字,Yes,Yes,Yes,1250,330,1200,53,1,中心合せ,No,13.5,[演奏者],ＭＳ Ｐゴシック,14.0,$008B0000,"
    u"clWhite",
    u"矩形,Yes,Yes,Yes,1350,500,2450,1250,,,No,13.5,,,2.5,clTeal,clWhite",
};

// The texts the placeholders stand for, in the order they are replaced.
struct Replacement {
    const char16_t* placeholder;
    QString value;
};
using Replacements = std::array<Replacement, 7>;

// A disc field trimmed, in the lossless form of the bytes it was read in.
QString fieldValue(const DiscInfo& disc, const QString& text) {
    return trimBlanks(disc.spellings.losslessOf(text));
}

Replacements replacementsFor(const DiscInfo& disc) {
    QString subtitle1 = fieldValue(disc, disc.subtitle1);
    QString subtitle2 = fieldValue(disc, disc.subtitle2);
    if (subtitle1.isEmpty())
        std::swap(subtitle1, subtitle2); // subtitle 2 moves up; its own place stays empty
    const QString albumTitle = fieldValue(disc, disc.albumTitle);
    return {{{u"[ＣＤタイトル]", albumTitle},
             {u"[ＣＤＩＤ]", fieldValue(disc, disc.discId)},
             {u"[ＤＡＴＥ]", fieldValue(disc, disc.releaseYear)},
             {u"[演奏者]", fieldValue(disc, disc.discPerformer)},
             {u"[ＣＤタイトル]", albumTitle},
             {u"[タイトルサブ1]", subtitle1},
             {u"[タイトルサブ2]", subtitle2}}};
}

// A value as it goes into a row line: a line break or other control character would split or
// end the row, so it becomes a blank; inside a quoted field a quote is doubled.
QString fieldText(QString value, bool quotedField) {
    for (QChar& c : value)
        if (c.unicode() < 0x20)
            c = QLatin1Char(' ');
    if (quotedField)
        value.replace(QLatin1String("\""), QLatin1String("\"\""));
    return value;
}

// Fills the placeholders in one field of a template row as it stands in the line, so that
// everything else in the field (its quotes, "%20" blanks, ...) keeps its characters. The jacket
// image goes into the first placeholder of the whole template only: jacketPath is reset once it
// has been placed. A plain field that a value gives a comma or a quote is quoted.
QString fillField(const QString& raw, std::optional<QString>& jacketPath,
                  const Replacements& replacements) {
    const bool quoted = raw.startsWith(QLatin1Char('"'));
    QString field = raw;
    const QString jacketPlaceholder = QStringLiteral("[ジャケット画像]");
    if (jacketPath) {
        const qsizetype at = field.indexOf(jacketPlaceholder);
        if (at >= 0) {
            field.replace(at, jacketPlaceholder.size(), fieldText(*jacketPath, quoted));
            jacketPath.reset();
        }
    }
    for (const Replacement& replacement : replacements)
        field.replace(QString::fromUtf16(replacement.placeholder),
                      fieldText(replacement.value, quoted));
    const bool needsQuotes = field.contains(QLatin1Char(',')) || field.contains(QLatin1Char('"'));
    if (quoted || field == raw || !needsQuotes)
        return field;
    return QLatin1Char('"') + field.replace(QLatin1String("\""), QLatin1String("\"\"")) +
           QLatin1Char('"');
}

} // namespace

const QStringList& builtInLabelTemplate() {
    static const QStringList lines = [] {
        QStringList all{layoutHeaderWords().join(QLatin1Char(','))};
        for (const char16_t* row : kBuiltInRows)
            all.append(QString::fromUtf16(row));
        return all;
    }();
    return lines;
}

QStringList loadLabelTemplate(const ProgramPaths& paths, const QString& templateName,
                              bool* readAsUtf8) {
    const QString path = paths.programFile(templateName);
    if (!QFileInfo(path).isFile())
        return builtInLabelTemplate();
    const QByteArray bytes = readWholeFile(path);
    const bool utf8 = textEncodingOf(bytes) == TextEncoding::Utf8;
    if (readAsUtf8)
        *readAsUtf8 = utf8;
    QStringList lines;
    for (const QByteArray& line : splitLines(withoutUtf8Bom(bytes)))
        lines.append(utf8 ? QString::fromUtf8(line) : fromSjisLossless(line));
    return lines;
}

QList<QByteArray> fillLabelPlaceholders(const QStringList& templateLines, const DiscInfo& disc) {
    const Replacements replacements = replacementsFor(disc);
    std::optional<QString> jacketPath = fieldValue(disc, disc.jacketPath);
    QList<QByteArray> lines;
    for (const QString& line : templateLines) {
        // Values are filled in field by field, so that a comma or a quote in a value stays
        // inside its field; every character between the fields stays as it was.
        QString filled;
        qsizetype copied = 0;
        for (const FieldSpan& span : csvFieldSpansW(line)) {
            filled += QStringView(line).mid(copied, span.start - copied);
            filled += fillField(line.mid(span.start, span.length), jacketPath, replacements);
            copied = span.start + span.length;
        }
        filled += QStringView(line).mid(copied);
        lines.append(toSjisLossless(filled));
    }
    return lines;
}

} // namespace lccd
