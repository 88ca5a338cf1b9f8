#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// One layout row: seventeen text fields, kept as written and converted where they are used.
namespace lccd {

constexpr int kLayoutFieldCount = 17;

// The fields of a row, numbered from 1 as they stand in a row line.
enum class Field {
    Id = 1,           // kind word
    Screen = 2,       // Yes/No: with 印刷 No, shown in the preview only
    Print = 3,        // Yes/No: printed only when yes
    Edit = 4,         // Yes/No, kept but not acted on
    Left = 5,         // x, 0.1 mm
    Top = 6,          // y, 0.1 mm
    Width = 7,        // box length, or second x
    Height = 8,       // box height, or second y
    Width2 = 9,       // extended length, or corner size
    Align = 10,       // alignment or shape word
    Vertical = 11,    // Yes/No: vertical writing, or portrait for settings rows
    LineSpacing = 12, // points (paragraphs)
    Value = 13,       // text, path or paper name
    Face = 14,        // font face, optionally "face|fallback"
    Size = 15,        // points: font size or pen width
    TextColor = 16,   // color text
    FillColor = 17,   // color text
};

// A field's place in a row line, 1 to kLayoutFieldCount.
constexpr int fieldNumber(Field field) {
    return int(field);
}

// The field at a place in a row line, 1 to kLayoutFieldCount.
constexpr Field fieldAt(int number) {
    return Field(number);
}

// Every field in row-line order.
inline constexpr std::array<Field, kLayoutFieldCount> kAllFields = [] {
    std::array<Field, kLayoutFieldCount> fields{};
    for (int number = 1; number <= kLayoutFieldCount; ++number)
        fields[size_t(number - 1)] = fieldAt(number);
    return fields;
}();

enum class ItemKind { Settings = 0, Text, Rectangle, RuleLine, Image, Paragraph, Barcode };

// The alignment and shape indexes of field 10 (5 has no word).
namespace Align {
constexpr int Left = 0;
constexpr int Center = 1;
constexpr int Right = 2;
constexpr int Justify = 3;
constexpr int JustifyEx = 4;
constexpr int Rectangle = 6;
constexpr int RoundRect = 7;
constexpr int Ellipse = 8;
} // namespace Align

// The words that name the kinds in field 1, in the order of ItemKind: "設定", "文字", "矩形",
// "罫線", "画像", "文章", "バーコード".
const QStringList& kindWords();
const QString& kindWord(ItemKind kind);

// The kind number of a kind word: its 1-based byte position, in Shift-JIS, inside
// "設定文字矩形罫線画像文章バーコード", divided by 4. The word is matched as a part of that
// string, so "定文" gives 0 and "コード" gives 7 (which is no kind); not found, nothing.
std::optional<int> kindNumber(const QString& word);

// The kind of a kind word, or nothing when the number is no kind.
std::optional<ItemKind> itemKindOf(const QString& word);

// The list icon of a row: its kind number, 0 when the word is not found.
int kindIcon(const QString& word);

// The alignment index of field 10: its position inside the alignment word list, divided by 4;
// 0 when not found or empty.
int alignIndex(const QString& word);

// The words of a Yes/No field: "yes" in any letter case reads as yes; yes is written "Yes",
// no "No".
bool isYes(const QString& flag);
QString yesNo(bool flag);

// Whether a kind word is exactly the caption of a settings row, "設定" (as a layout is loaded
// or a pass skips settings rows; itemKindOf matches kind words more loosely).
bool isSettingsCaption(const QString& word);

// The header words of a layout file, one per field.
const QStringList& layoutHeaderWords();

class LayoutItem {
public:
    LayoutItem() = default;

    // Fields 1 to fieldCount of a row line, read with CsvFieldW; any further field of the
    // seventeen stays empty.
    static LayoutItem fromRowLine(const QString& line, int fieldCount = kLayoutFieldCount);

    // Field 1, then a comma and each of fields 2 to 17, each written by rowLineField.
    QString toRowLine() const;

    const QString& field(Field field) const { return fields_[indexOf(field)]; }
    void setField(Field field, const QString& text) { fields_[indexOf(field)] = text; }

    std::optional<ItemKind> kind() const { return itemKindOf(field(Field::Id)); }

    bool operator==(const LayoutItem&) const = default;

private:
    static constexpr size_t indexOf(Field field) { return size_t(fieldNumber(field) - 1); }

    std::array<QString, kLayoutFieldCount> fields_;
};

} // namespace lccd

// A row is its strings: moving it in memory moves them.
Q_DECLARE_TYPEINFO(lccd::LayoutItem, Q_RELOCATABLE_TYPE);

namespace lccd {

// How one field is written into a row line: control characters become blanks (a line break
// would split the row in a file), and a field with a comma is enclosed in double quotes, its
// inner double quotes doubled, so that CsvFieldW reads it back as one field.
QString rowLineField(const QString& field);

// Text as a layout row may hold it: CR, LF, TAB, the other control characters and the Unicode
// line and paragraph separators each become a blank. Every text that comes from outside (a
// typed or pasted value, a song's tags) passes through it before it is stored in a row.
QString blankControlCharacters(QString text);

} // namespace lccd
