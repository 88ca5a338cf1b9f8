#include "platform/FileIO.h"

#include "platform/AppError.h"
#include "platform/ReplacementFile.h"

#include <QFile>
#include <QFileInfo>

namespace lccd {

QByteArray readWholeFile(const QString& path) {
    // Opening a pipe would wait for a writer, and a device may never end.
    if (!QFileInfo(path).isFile())
        throw AppError::cannotOpen(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError::cannotOpen(path);
    if (!withinReadLimit(file.size()))
        throw AppError::tooLarge(path, kMaxReadFileBytes);
    // A read error must not pass for the end of the file: what is written back would be cut.
    const QByteArray content = file.readAll();
    if (content.size() != file.size() || file.error() != QFileDevice::NoError)
        throw AppError::cannotOpen(path);
    return content;
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
    ReplacementFile file(path);
    file.write(content);
    // Read back before it replaces anything: what the disk gave back is what the file holds.
    if (!file.device().seek(0) || file.device().readAll() != content)
        throw AppError::cannotWrite(file.target());
    file.commit();
}

} // namespace lccd
