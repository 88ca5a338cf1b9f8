#include "platform/FileIO.h"

#include "platform/AppError.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace lccd {

QByteArray readWholeFile(const QString& path) {
    // Opening a pipe would wait for a writer, and a device may never end.
    if (!QFileInfo(path).isFile())
        throw AppError::cannotOpen(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError::cannotOpen(path);
    if (file.size() > kMaxReadFileBytes)
        throw AppError::tooLarge(path, kMaxReadFileBytes);
    return file.readAll();
}

namespace {

std::function<bool(const QString&)>& writeFault() {
    static std::function<bool(const QString&)> hook;
    return hook;
}

} // namespace

void setWriteFaultForTests(std::function<bool(const QString& path)> hook) {
    writeFault() = std::move(hook);
}

bool writeFaultInjected(const QString& path) {
    return writeFault() && writeFault()(path);
}

void writeFileAtomically(const QString& path, const QByteArray& content) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw AppError::cannotCreate(path);
    const qsizetype half = content.size() / 2;
    bool written = file.write(content.constData(), half) == half;
    if (written && writeFaultInjected(path)) {
        file.cancelWriting();
        written = false;
    }
    written = written && file.write(content.constData() + half, content.size() - half) ==
                             content.size() - half;
    if (!written || !file.commit())
        throw AppError::cannotCreate(path);
}

} // namespace lccd
