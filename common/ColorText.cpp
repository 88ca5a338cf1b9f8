#include "common/ColorText.h"

#include "common/Numbers.h"
#include "platform/AppError.h"

#include <QGuiApplication>
#include <QHash>
#include <QPalette>

#include <array>

namespace lccd {
namespace {

constexpr std::array<NamedColor, 151> kNamedColors = {{
    {u"clAliceblue", 0x00FFF8F0},
    {u"clAntiquewhite", 0x00D7EBFA},
    {u"clAquamarine", 0x00D4FF7F},
    {u"clAzure", 0x00FFFFF0},
    {u"clBeigu", 0x00DCF5F5},
    {u"clBisque", 0x00C4E4FF},
    {u"clBlanchedalmond", 0x00CDEBFF},
    {u"clBlueviolet", 0x00E22B8A},
    {u"clBrass", 0x0042A6D5},
    {u"clBrown", 0x002A2AA5},
    {u"clBurlywood", 0x0087B8DE},
    {u"clCadetblue", 0x00A09E5F},
    {u"clChartreuse", 0x0000FF7F},
    {u"clChocolate", 0x001E96D2},
    {u"clCoolcopper", 0x00DFBFBF},
    {u"clCopper", 0x00DF00BF},
    {u"clCoral", 0x00507FFF},
    {u"clCornflower", 0x00DFEFBF},
    {u"clCornflowerblue", 0x00EF9060},
    {u"clCornsilk", 0x00DCF8FF},
    {u"clCrimson", 0x003C14DC},
    {u"clCyan", 0x00FFFF00},
    {u"clDarkblue", 0x008B0000},
    {u"clDarkcrown", 0x00000BDA},
    {u"clDarkcyan", 0x008B8B00},
    {u"clDarkgoldenrod", 0x000B86B8},
    {u"clDarkgray", 0x00A9A9A9},
    {u"clDarkgreen", 0x00006400},
    {u"clDarkhaki", 0x006BB7BD},
    {u"clDarkmagenta", 0x008B008B},
    {u"clDarkolivegreen", 0x002F6B55},
    {u"clDarkorange", 0x00008CFF},
    {u"clDarkorchid", 0x00CC3299},
    {u"clDarkred", 0x0000008B},
    {u"clDarksalmon", 0x007A96E9},
    {u"clDarkseagreen", 0x008BBC8F},
    {u"clDarkslateblue", 0x008B3D48},
    {u"clDarkslategray", 0x004F4F2F},
    {u"clDarkturquiose", 0x00D1CE00},
    {u"clDarkvoilet", 0x00D30094},
    {u"clDeeppink", 0x009314FF},
    {u"clDeepskyblue", 0x00FFBF00},
    {u"clDimgray", 0x00696969},
    {u"clDogerblue", 0x00FF901E},
    {u"clFekdsper", 0x00E0D0FE},
    {u"clFirebrick", 0x002222B2},
    {u"clFloralwhite", 0x00F0FAFF},
    {u"clForestgreen", 0x00228B22},
    {u"clGainsboro", 0x00DCDCDC},
    {u"clGhostwhite", 0x00FFF8F8},
    {u"clGold", 0x0000D7FF},
    {u"clGoldenrod", 0x0020A5DA},
    {u"clGreenyellow", 0x002FFFAD},
    {u"clHonydew", 0x00F0FFF0},
    {u"clHotpink", 0x00B469FF},
    {u"clIndianred", 0x005C5CCD},
    {u"clIndigo", 0x0082004B},
    {u"clIvory", 0x00F0FFFF},
    {u"clKhaki", 0x008CE6F0},
    {u"clLavender", 0x00FAE6E6},
    {u"clLavenderblush", 0x00F5F0FF},
    {u"clLawngreen", 0x0000FC7C},
    {u"clLemonchiffon", 0x00CDFAFF},
    {u"clLightblue", 0x00E6D8ED},
    {u"clLightcoral", 0x008080F0},
    {u"clLightcyan", 0x00FFFFE0},
    {u"clLightgoldenrodyellow", 0x00D2FAFA},
    {u"clLightgreen", 0x0090EE90},
    {u"clLightgray", 0x00D3D3D3},
    {u"clLightpink", 0x00C1B6FF},
    {u"clLightsalmon", 0x007AFAFF},
    {u"clLightseagreen", 0x00AAB220},
    {u"clLightskyblue", 0x00FACE87},
    {u"clLightslategray", 0x00998877},
    {u"clLightsteelblue", 0x00DEC4B0},
    {u"clLightyellow", 0x00E0FFFF},
    {u"clLimegreen", 0x0032CD32},
    {u"clLinen", 0x00E6F0E6},
    {u"clMagenta", 0x00FF00FF},
    {u"clMediumaquamarine", 0x00AACD66},
    {u"clMediumblue", 0x00CD0000},
    {u"clMediumorchid", 0x00D355BA},
    {u"clMeiumpurple", 0x00DB7093},
    {u"clMediumstateblue", 0x00B0000E},
    {u"clMediumseagreen", 0x0071B33C},
    {u"clMediumspringgreen", 0x009AFA00},
    {u"clMediumturquiose", 0x00CCD148},
    {u"clMediumvioletred", 0x008515C7},
    {u"clMidmightblue", 0x00701919},
    {u"clMintcream", 0x00FAFFF5},
    {u"clMystyrose", 0x00E1E4FF},
    {u"clMoccasin", 0x00B5E4FF},
    {u"clNavijowhite", 0x00ADDEFF},
    {u"clOldlace", 0x00E6F5FD},
    {u"clOlivedrab", 0x00238E6B},
    {u"clOrange", 0x0000A5FF},
    {u"clOrangered", 0x000045FF},
    {u"clOrchid", 0x00D670DA},
    {u"clPalegoldenrod", 0x00AAE8EE},
    {u"clpalegreen", 0x0098FB98},
    {u"clPaleturquoise", 0x00EEEEAF},
    {u"clPakevioletred", 0x009370DB},
    {u"clPapayawhip", 0x00D5EFFF},
    {u"clPeachpuff", 0x00B9DAFF},
    {u"clPeru", 0x003F85CD},
    {u"clPink", 0x00CBC0FF},
    {u"clPlum", 0x00DDA0DD},
    {u"clPowderblue", 0x00E6E0B0},
    {u"clRichblue", 0x000CB0E0},
    {u"clRosybrown", 0x008F8FBC},
    {u"clRoyalblue", 0x00E16941},
    {u"clSaddlebrown", 0x0013458B},
    {u"clSalmon", 0x007280FA},
    {u"clSandybrown", 0x0060A4F4},
    {u"clSeagreen", 0x00578B2E},
    {u"clSeashell", 0x00EEF5FF},
    {u"clSienna", 0x002D52A0},
    {u"clSkyblue", 0x00EBCE87},
    {u"clSlateblue", 0x00CD5A6A},
    {u"clSlategray", 0x00908070},
    {u"clSnow", 0x00FAFAFF},
    {u"clSpringgreen", 0x007FFF00},
    {u"clSteelblue", 0x00B48246},
    {u"clTan", 0x008CB4D2},
    {u"clThistle", 0x00D8BFD8},
    {u"clTomato", 0x004763FF},
    {u"clTurquois", 0x00D0E040},
    {u"clViolet", 0x00EE82EE},
    {u"clWHeat", 0x00B3DEF5},
    {u"clWhitesmoke", 0x00F5F5F5},
    {u"clYellowgreen", 0x0032CD9A},
    {u"clBlack", 0x00000000},
    {u"clMaroon", 0x00000080},
    {u"clGreen", 0x00008000},
    {u"clOlive", 0x00008080},
    {u"clNavy", 0x00800000},
    {u"clPurple", 0x00800080},
    {u"clTeal", 0x00808000},
    {u"clGray", 0x00808080},
    {u"clSilver", 0x00C0C0C0},
    {u"clRed", 0x000000FF},
    {u"clLime", 0x0000FF00},
    {u"clYellow", 0x0000FFFF},
    {u"clBlue", 0x00FF0000},
    {u"clFuchsia", 0x00FF00FF},
    {u"clAqua", 0x00FFFF00},
    {u"clLtGray", 0x00C0C0C0},
    {u"clDkGray", 0x00808080},
    {u"clWhite", 0x00FFFFFF},
    {u"clNone", 0x1FFFFFFF},
    {u"clSysLightGray", 0x00DFDFDF},
}};

constexpr std::array<const char16_t*, kSystemColorCount> kSystemColorNames = {
    u"clScrollBar",    u"clBackground",  u"clActiveCaption", u"clInactiveCaption",
    u"clMenu",         u"clWindow",      u"clWindowFrame",   u"clMenuText",
    u"clWindowText",   u"clCaptionText", u"clActiveBorder",  u"clInactiveBorder",
    u"clAppWorkSpace", u"clHighlight",   u"clHighlightText", u"clBtnFace",
    u"clBtnShadow",    u"clGrayText",    u"clBtnText",       u"clInactiveCaptionText",
    u"clBtnHighlight", u"cl3DDkShadow",  u"cl3DLight",       u"clInfoText",
    u"clInfoBk",
};

// The palette role that plays the part of each system color on this desktop.
struct PaletteRole {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

constexpr std::array<PaletteRole, kSystemColorCount> kSystemColorRoles = {{
    {QPalette::Active, QPalette::Button},            // scroll bar
    {QPalette::Active, QPalette::Highlight},         // desktop background (an accent color)
    {QPalette::Active, QPalette::Highlight},         // active caption
    {QPalette::Inactive, QPalette::Highlight},       // inactive caption
    {QPalette::Active, QPalette::Window},            // menu
    {QPalette::Active, QPalette::Base},              // window
    {QPalette::Active, QPalette::WindowText},        // window frame
    {QPalette::Active, QPalette::WindowText},        // menu text
    {QPalette::Active, QPalette::Text},              // window text
    {QPalette::Active, QPalette::HighlightedText},   // caption text
    {QPalette::Active, QPalette::Window},            // active border
    {QPalette::Inactive, QPalette::Window},          // inactive border
    {QPalette::Active, QPalette::Dark},              // application workspace
    {QPalette::Active, QPalette::Highlight},         // highlight
    {QPalette::Active, QPalette::HighlightedText},   // highlighted text
    {QPalette::Active, QPalette::Button},            // button face
    {QPalette::Active, QPalette::Dark},              // button shadow
    {QPalette::Disabled, QPalette::Text},            // grey text
    {QPalette::Active, QPalette::ButtonText},        // button text
    {QPalette::Inactive, QPalette::HighlightedText}, // inactive caption text
    {QPalette::Active, QPalette::Light},             // button highlight
    {QPalette::Active, QPalette::Shadow},            // 3D dark shadow
    {QPalette::Active, QPalette::Midlight},          // 3D light
    {QPalette::Active, QPalette::ToolTipText},       // tooltip text
    {QPalette::Active, QPalette::ToolTipBase},       // tooltip background
}};

// The names that a color is written back as, besides the system colors and "clNone".
constexpr std::array<const char16_t*, 16> kBasicColorNames = {
    u"clBlack", u"clMaroon",  u"clGreen",  u"clOlive", u"clNavy", u"clPurple",
    u"clTeal",  u"clGray",    u"clSilver", u"clRed",   u"clLime", u"clYellow",
    u"clBlue",  u"clFuchsia", u"clAqua",   u"clWhite",
};

// Upper-cases ASCII letters only: color names are ASCII, and other letters must not turn
// into ASCII ones.
QString asciiUpper(QString text) {
    for (QChar& c : text)
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - (u'a' - u'A'));
    return text;
}

// Upper-cased name -> value, for the named table then the system table; the first of equal
// names wins, as a search in table order would find it.
const QHash<QString, ColorValue>& colorsByUpperName() {
    static const QHash<QString, ColorValue> table = [] {
        QHash<QString, ColorValue> byName;
        const auto addFirst = [&byName](const QString& name, ColorValue value) {
            if (const QString key = asciiUpper(name); !byName.contains(key))
                byName.insert(key, value);
        };
        for (const NamedColor& color : kNamedColors)
            addFirst(QString::fromUtf16(color.name).trimmed(), color.value);
        for (int i = 0; i < kSystemColorCount; ++i)
            addFirst(QString::fromUtf16(kSystemColorNames[i]), systemColor(i));
        return byName;
    }();
    return table;
}

} // namespace

std::span<const NamedColor> namedColors() {
    return kNamedColors;
}

std::span<const char16_t* const> systemColorNames() {
    return kSystemColorNames;
}

ColorValue ColorFromText(const QString& text, ColorValue defaultColor) {
    if (text.isEmpty())
        return defaultColor;
    QString key = asciiUpper(text);
    if (!key.startsWith(QLatin1String("CL")))
        key.prepend(QLatin1String("CL"));
    const auto& table = colorsByUpperName();
    if (const auto found = table.constFind(key); found != table.cend())
        return found.value();
    if (const qint32 number = StrToIntLoose(text); number != 0)
        return ColorValue(number);
    return defaultColor;
}

std::span<const char16_t* const> basicColorNames() {
    return kBasicColorNames;
}

ColorValue pickerColorFromText(const QString& text, ColorValue emptyColor) {
    if (text.isEmpty())
        return emptyColor;
    const QString upper = asciiUpper(text);
    if (upper == QLatin1String("CLNONE"))
        return kColorNone;
    for (const char16_t* name : kBasicColorNames)
        if (upper == asciiUpper(QString::fromUtf16(name)))
            return colorsByUpperName().value(upper);
    for (int i = 0; i < kSystemColorCount; ++i)
        if (upper == asciiUpper(QString::fromUtf16(kSystemColorNames[i])))
            return systemColor(i);
    if (const std::optional<qint32> number = parseIntField(text))
        return ColorValue(*number);
    throw AppError::notAnInteger(text);
}

QString colorToText(ColorValue value) {
    if (value == kColorNone)
        return QStringLiteral("clNone");
    if (isSystemColor(value))
        return QString::fromUtf16(kSystemColorNames[value - kSystemColorBase]);
    for (const char16_t* name : kBasicColorNames) {
        const QString basic = QString::fromUtf16(name);
        if (colorsByUpperName().value(asciiUpper(basic)) == value)
            return basic;
    }
    return QStringLiteral("$%1").arg(value, 8, 16, QLatin1Char('0')).toUpper();
}

QColor toQColor(ColorValue value, const QPalette& palette) {
    if (value == kColorNone)
        return QColor(Qt::transparent);
    if (isSystemColor(value)) {
        const PaletteRole& role = kSystemColorRoles[value - kSystemColorBase];
        return palette.color(role.group, role.role);
    }
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

QColor toQColor(ColorValue value) {
    return toQColor(value, QGuiApplication::palette());
}

} // namespace lccd
