#include "layout/LayoutItem.h"

#include "common/MyCommonW.h"
#include "platform/CodePage.h"

#include <algorithm>

namespace lccd {
namespace {

// The kind words one after the other, as kindNumber searches them.
const QByteArray& sjisKindWords() {
    static const QByteArray words = toSjis(kindWords().join(QString()));
    return words;
}

const QString kAlignWords =
    QStringLiteral("左寄せ■中心合せ■右寄せ■左右合せ拡張左右合せ■矩形■■角丸■■円");

// 1-based byte position of needle in haystack, matching only where a character of the
// haystack starts (never at the trail byte of a double-byte character); 0 when absent.
int sjisPos(const QByteArray& needle, const QByteArray& haystack) {
    if (needle.isEmpty())
        return 0;
    for (qsizetype i = 0; i + needle.size() <= haystack.size();) {
        if (QByteArrayView(haystack).sliced(i, needle.size()) == needle)
            return int(i) + 1;
        i += isSjisLeadByte(static_cast<unsigned char>(haystack[i])) ? 2 : 1;
    }
    return 0;
}

bool needsQuotes(const QString& field) {
    return field.startsWith(QLatin1Char('"')) || field.contains(QLatin1Char(','));
}

// The C0 and C1 control characters, DEL, and the line and paragraph separators.
bool isControlCharacter(QChar c) {
    const char16_t u = c.unicode();
    return u < 0x20 || (u >= 0x7F && u < 0xA0) || u == QChar::LineSeparator ||
           u == QChar::ParagraphSeparator;
}

} // namespace

const QStringList& kindWords() {
    static const QStringList words = {QStringLiteral("設定"),      QStringLiteral("文字"),
                                      QStringLiteral("矩形"),      QStringLiteral("罫線"),
                                      QStringLiteral("画像"),      QStringLiteral("文章"),
                                      QStringLiteral("バーコード")};
    return words;
}

const QString& kindWord(ItemKind kind) {
    return kindWords()[int(kind)];
}

std::optional<int> kindNumber(const QString& word) {
    const int position = sjisPos(toSjis(word), sjisKindWords());
    if (position == 0)
        return std::nullopt;
    return position / 4;
}

std::optional<ItemKind> itemKindOf(const QString& word) {
    const std::optional<int> number = kindNumber(word);
    if (!number || *number > int(ItemKind::Barcode))
        return std::nullopt;
    return ItemKind(*number);
}

int kindIcon(const QString& word) {
    return kindNumber(word).value_or(0);
}

int alignIndex(const QString& word) {
    return PosW(word, kAlignWords) / 4;
}

bool isYes(const QString& flag) {
    return flag.compare(QLatin1String("yes"), Qt::CaseInsensitive) == 0;
}

QString yesNo(bool flag) {
    return flag ? QStringLiteral("Yes") : QStringLiteral("No");
}

bool isSettingsCaption(const QString& word) {
    return word == kindWord(ItemKind::Settings);
}

const QStringList& layoutHeaderWords() {
    static const QStringList words =
        QStringLiteral(
            "ID,画面,印刷,編集,左,上,幅,高,幅２,配置,縦書き,XLS,値,書体,サイズ,文字色,矩形色")
            .split(QLatin1Char(','));
    return words;
}

LayoutItem LayoutItem::fromRowLine(const QString& line, int fieldCount) {
    const QStringList fields = csvFieldsW(line);
    LayoutItem item;
    const int count = std::min({fieldCount, kLayoutFieldCount, int(fields.size())});
    for (int i = 0; i < count; ++i)
        item.fields_[size_t(i)] = fields[i];
    return item;
}

QString LayoutItem::toRowLine() const {
    QString line = rowLineField(fields_[0]);
    for (size_t i = 1; i < fields_.size(); ++i) {
        line.append(QLatin1Char(','));
        line.append(rowLineField(fields_[i]));
    }
    return line;
}

QString rowLineField(const QString& field) {
    QString text = blankControlCharacters(field);
    if (!needsQuotes(text))
        return text;
    text.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString blankControlCharacters(QString text) {
    // Most texts hold none: they are returned without a copy.
    if (std::none_of(text.cbegin(), text.cend(), isControlCharacter))
        return text;
    std::replace_if(text.begin(), text.end(), isControlCharacter, QChar(u' '));
    return text;
}

} // namespace lccd
