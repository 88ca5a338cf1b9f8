#include "platform/Dialogs.h"

#include "platform/AppError.h"
#include "platform/ApplicationTitle.h"

#include <QFileInfo>

namespace lccd {

void showErrorBox(const QString& message) {
    dialogs().messageBox(message, applicationTitle(),
                         MessageBoxType::Ok | MessageBoxType::IconError);
}

bool confirmReplace(const QString& path) {
    const QFileInfo file(path);
    if (!file.exists())
        return true;
    return dialogs().messageBox(
               QStringLiteral("%1 は既に存在します。\n置き換えますか?").arg(file.fileName()),
               applicationTitle(),
               MessageBoxType::YesNo | MessageBoxType::IconWarning) == DialogResult::Yes;
}

void runGuarded(const std::function<void()>& command) {
    try {
        command();
    } catch (const AppError& error) {
        showErrorBox(error.message());
    } catch (const std::exception& error) {
        showErrorBox(QString::fromLocal8Bit(error.what()));
    }
}

QStringList qtNameFilters(const QString& classicFilter) {
    const QStringList parts = classicFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (const QString& pattern : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QString trimmed = pattern.trimmed();
            patterns.append(trimmed == QLatin1String("*.*") ? QStringLiteral("*") : trimmed);
        }
        filters.append(QStringLiteral("%1 (%2)").arg(parts[i], patterns.join(QLatin1Char(' '))));
    }
    return filters;
}

} // namespace lccd
