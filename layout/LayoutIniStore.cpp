#include "layout/LayoutIniStore.h"

#include "platform/AppError.h"
#include "platform/FileIO.h"
#include "platform/IniFile.h"

#include <QElapsedTimer>

#include <chrono>

namespace lccd {
namespace {

const QString kSection = QStringLiteral("ListView");
constexpr std::chrono::milliseconds kEventInterval{20};

QString itemKey(int index) {
    return QLatin1String("Item") + QString::number(index);
}

void addGeneralSection(IniFile& ini) {
    ini.writeString(QStringLiteral("General"), QStringLiteral("Name"),
                    QStringLiteral("MarovellApplication"));
}

} // namespace

void createIniFile(const QString& iniPath) {
    IniFile ini(iniPath);
    addGeneralSection(ini);
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

QString describeIniStoreOutcome(IniStoreOutcome outcome, const QString& iniPath) {
    switch (outcome) {
    case IniStoreOutcome::Stored:
        return QString();
    case IniStoreOutcome::StoredInNewFile:
        return QStringLiteral("IniFileを作成しました \"") + iniPath;
    case IniStoreOutcome::TooLarge:
        return QStringLiteral("保存すると %1 が %2 MB を超えて読み込めなくなるため、保存しません"
                              "でした")
            .arg(iniPath)
            .arg(kMaxReadFileBytes / (1024 * 1024));
    }
    return QString();
}

IniStoreOutcome SaveLayoutToIni(const QString& iniPath, const QList<LayoutItem>& rows,
                                const std::function<void()>& whileStoring) {
    IniFile ini(iniPath);
    const bool created = !ini.exists();
    // A new file is written once, with its General section: a failure or a refusal leaves no
    // file at all.
    ini.load();
    if (created)
        addGeneralSection(ini);
    ini.eraseSection(kSection);
    if (!rows.isEmpty()) // an empty list leaves no section
        ini.reserve(kSection, rows.size());
    // The caller is told every few rows' worth of time, not after each row, where letting
    // events through would cost more than the row itself.
    QElapsedTimer sinceEvents;
    sinceEvents.start();
    for (int i = 0; i < rows.size(); ++i) {
        ini.writeString(kSection, itemKey(i), rows[i].toRowLine());
        if (whileStoring && sinceEvents.elapsed() >= kEventInterval.count()) {
            whileStoring();
            sinceEvents.restart();
        }
    }
    const QByteArray content = ini.content();
    if (!withinReadLimit(content.size()))
        return IniStoreOutcome::TooLarge;
    try {
        writeFileAtomically(iniPath, content);
    } catch (const AppError&) {
        throw AppError::cannotWrite(iniPath);
    }
    return created ? IniStoreOutcome::StoredInNewFile : IniStoreOutcome::Stored;
}

} // namespace lccd
