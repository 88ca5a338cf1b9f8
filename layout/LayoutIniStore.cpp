#include "layout/LayoutIniStore.h"

#include "platform/AppError.h"
#include "platform/ApplicationTitle.h"
#include "platform/Dialogs.h"
#include "platform/IniFile.h"

#include <QCoreApplication>

namespace lccd {
namespace {

const QString kSection = QStringLiteral("ListView");

QString itemKey(int index) {
    return QStringLiteral("Item%1").arg(index);
}

} // namespace

void CreateIniFile(const QString& iniPath) {
    IniFile ini(iniPath);
    ini.writeString(QStringLiteral("General"), QStringLiteral("Name"),
                    QStringLiteral("MarovellApplication"));
    ini.save();
}

std::optional<QStringList> LoadLayoutFromIni(const QString& iniPath) {
    IniFile ini(iniPath);
    if (!ini.exists())
        return std::nullopt;
    ini.load();
    QStringList lines;
    for (int k = 0; ini.hasKey(kSection, itemKey(k)); ++k)
        lines.append(ini.readString(kSection, itemKey(k), QString()));
    return lines;
}

void SaveLayoutToIni(const QString& iniPath, const QList<LayoutItem>& rows) {
    IniFile ini(iniPath);
    if (!ini.exists()) {
        CreateIniFile(iniPath);
        dialogs().messageBox(QStringLiteral("IniFileを作成しました \"") + iniPath,
                             applicationTitle(),
                             MessageBoxType::Ok | MessageBoxType::IconInformation);
        QCoreApplication::processEvents();
    }
    ini.load();
    ini.eraseSection(kSection);
    for (int i = 0; i < rows.size(); ++i) {
        ini.writeString(kSection, itemKey(i), rows[i].toRowLine());
        QCoreApplication::processEvents();
    }
    try {
        ini.save();
    } catch (const AppError&) {
        throw AppError::cannotWrite(iniPath);
    }
}

} // namespace lccd
