#pragma once

#include <QString>

#include <stdexcept>

namespace lccd {

// The error that stops a command: its message is the Japanese text the user sees in the
// application's error box. Every window's command dispatch catches it (see runGuarded).
class AppError : public std::runtime_error {
public:
    explicit AppError(const QString& message);

    const QString& message() const noexcept { return message_; }

    // The platform's standard messages for failed file and number operations.
    static AppError cannotOpen(const QString& path);   // "ファイル %s は開けません"
    static AppError cannotCreate(const QString& path); // "ファイル %s を作成できません"
    static AppError cannotWrite(const QString& path);  // "%s に書き込めません"
    static AppError notAnInteger(const QString& text); // "'%s' は整数ではありません"
    // "ファイル %s は大きすぎて開けません (%d MB まで)", the limit in whole megabytes.
    static AppError tooLarge(const QString& path, qint64 limitBytes);

private:
    QString message_;
};

} // namespace lccd
