#include "platform/AppError.h"

namespace lccd {

AppError::AppError(const QString& message)
    : std::runtime_error(message.toStdString()), message_(message) {}

AppError AppError::cannotOpen(const QString& path) {
    return AppError(QStringLiteral("ファイル %1 は開けません").arg(path));
}

AppError AppError::cannotCreate(const QString& path) {
    return AppError(QStringLiteral("ファイル %1 を作成できません").arg(path));
}

AppError AppError::cannotWrite(const QString& path) {
    return AppError(QStringLiteral("%1 に書き込めません").arg(path));
}

AppError AppError::notAnInteger(const QString& text) {
    return AppError(QStringLiteral("'%1' は整数ではありません").arg(text));
}

AppError AppError::tooLarge(const QString& path, qint64 limitBytes) {
    return AppError(QStringLiteral("ファイル %1 は大きすぎて開けません (%2 MB まで)")
                        .arg(path)
                        .arg(limitBytes / (1024 * 1024)));
}

} // namespace lccd
