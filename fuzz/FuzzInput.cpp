#include "fuzz/FuzzInput.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace lccd::fuzz {

QString utf16Text(const uint8_t* data, size_t size) {
    QString text(qsizetype(size / 2), Qt::Uninitialized);
    std::memcpy(text.data(), data, size / 2 * 2);
    return text;
}

QString scratchFile(const uint8_t* data, size_t size, const QString& name) {
    static const QString folder = [] {
        const QString path = QDir::temp().filePath(QStringLiteral("lccd-fuzz-%1").arg(::getpid()));
        QDir().mkpath(path);
        return path;
    }();
    const QString path = folder + QLatin1Char('/') + name;
    QFile file(path);
    require(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "scratch file opens");
    require(file.write(reinterpret_cast<const char*>(data), qint64(size)) == qint64(size),
            "scratch file is written");
    return path;
}

void require(bool holds, const char* what) {
    if (holds)
        return;
    std::fprintf(stderr, "property broken: %s\n", what);
    std::abort();
}

void startQtApplication() {
    static int argc = 1;
    static char name[] = "lccd-fuzz";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(argc, argv);
}

} // namespace lccd::fuzz
