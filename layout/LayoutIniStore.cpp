#include "layout/LayoutIniStore.h"

#include "platform/AppError.h"
#include "platform/ApplicationTitle.h"
#include "platform/Dialogs.h"
#include "platform/IniFile.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <chrono>

namespace lccd {
namespace {

const QString kSection = QStringLiteral("ListView");
constexpr std::chrono::milliseconds kEventInterval{20};

QString itemKey(int index) {
    return QLatin1String("Item") + QString::number(index);
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
    for (int k = 0;; ++k) {
        const QString key = itemKey(k);
        if (!ini.hasKey(kSection, key))
            break;
        lines.append(ini.readString(kSection, key, QString()));
    }
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
    if (!rows.isEmpty()) // an empty list leaves no section
        ini.reserve(kSection, rows.size());
    // The window stays responsive while a long list is stored: pending events run every few
    // rows' worth of time, not after each row, where asking for them would cost more than the
    // row itself.
    QElapsedTimer sinceEvents;
    sinceEvents.start();
    for (int i = 0; i < rows.size(); ++i) {
        ini.writeString(kSection, itemKey(i), rows[i].toRowLine());
        if (sinceEvents.elapsed() >= kEventInterval.count()) {
            QCoreApplication::processEvents();
            sinceEvents.restart();
        }
    }
    try {
        ini.save();
    } catch (const AppError&) {
        throw AppError::cannotWrite(iniPath);
    }
}

} // namespace lccd
