#include "app/LoadedSettingsRow.h"

#include "render/PaperMatch.h"

namespace lccd {

LoadedSettingsRow InterpretLoadedSettingsRow(const LayoutItem& row, const QStringList& paperNames) {
    LoadedSettingsRow result;
    QString value = row.field(Field::Value);
    if (const qsizetype bar = value.indexOf(QLatin1Char('|')); bar >= 0) {
        result.title = value.mid(bar + 1);
        value = value.left(bar);
    }
    // Paper names are matched with their ASCII letters in upper case ("a4" finds "A4").
    for (QChar& c : value)
        if (c >= u'a' && c <= u'z')
            c = c.toUpper();
    result.paperIndex = FindPaperIndex(paperNames, value);
    result.portrait = row.field(Field::Vertical).toLower() == QLatin1String("yes");
    return result;
}

} // namespace lccd
