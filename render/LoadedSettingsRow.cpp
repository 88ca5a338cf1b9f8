#include "render/LoadedSettingsRow.h"

#include "platform/Printer.h"
#include "render/PaperMatch.h"
#include "render/SheetSurface.h"

namespace lccd {

int findLoadedPaperIndex(const QStringList& paperNames, QString name) {
    for (QChar& c : name)
        if (c >= u'a' && c <= u'z')
            c = c.toUpper();
    return FindPaperIndex(paperNames, name);
}

LoadedSettingsRow interpretLoadedSettingsRow(const LayoutItem& row, const QStringList& paperNames) {
    LoadedSettingsRow result;
    QString value = row.field(Field::Value);
    if (const qsizetype bar = value.indexOf(QLatin1Char('|')); bar >= 0) {
        result.title = value.mid(bar + 1);
        value = value.left(bar);
    }
    result.paperIndex = findLoadedPaperIndex(paperNames, value);
    result.portrait = isYes(row.field(Field::Vertical));
    return result;
}

std::optional<LoadedSettingsRow> applyLoadedSettingsRow(SheetSurface& surface,
                                                        const QStringList& paperNames,
                                                        const LayoutItem& row) {
    if (!isSettingsCaption(row.field(Field::Id)))
        return std::nullopt;
    const LoadedSettingsRow settingsRow = interpretLoadedSettingsRow(row, paperNames);
    if (settingsRow.paperIndex >= 0) {
        surface.SelectPaper(paperNames[settingsRow.paperIndex], settingsRow.portrait
                                                                    ? PaperOrientation::Portrait
                                                                    : PaperOrientation::Landscape);
    }
    return settingsRow;
}

} // namespace lccd
