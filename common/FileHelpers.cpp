#include "common/FileHelpers.h"

#include "platform/Shell.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>

namespace lccd {
namespace {

int attributesOf(const QFileInfo& info) {
    int attributes = 0;
    if (info.isDir())
        attributes |= FileAttr::Directory;
    else if (info.isFile())
        attributes |= FileAttr::Archive;
    else
        attributes |= FileAttr::System;
    if (info.fileName().startsWith(QLatin1Char('.')))
        attributes |= FileAttr::Hidden;
    if (!info.isWritable())
        attributes |= FileAttr::ReadOnly;
    return attributes;
}

// The extension as the filter compares it: upper-cased, with a leading ".".
QString normalisedExtension(const QString& extension) {
    QString upper = extension.toUpper();
    if (!upper.isEmpty() && upper != QLatin1String("*.*") && !upper.startsWith(QLatin1Char('.')))
        upper.prepend(QLatin1Char('.'));
    return upper;
}

QString ownExtension(const QString& fileName) {
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : fileName.mid(dot).toUpper();
}

void findIn(QStringList& list, const QString& folder, const QString& extension, bool recursive,
            bool fullPath, int mask) {
    constexpr int specialBits = FileAttr::Hidden | FileAttr::System | FileAttr::Directory;
    QDirIterator entries(folder,
                         QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (entries.hasNext()) {
        entries.next();
        const QFileInfo info = entries.fileInfo();
        const int attributes = attributesOf(info);
        if ((attributes & specialBits & ~mask) != 0)
            continue;
        // Symbolic links to folders are not followed, so a link cycle cannot recurse forever.
        if (info.isDir() && recursive && !info.isSymLink())
            findIn(list, info.filePath(), extension, recursive, fullPath, mask);
        if (attributes != mask) {
            if (mask != FileAttr::Any)
                continue;
            if (!extension.isEmpty() && extension != QLatin1String("*.*") &&
                ownExtension(info.fileName()) != extension)
                continue;
        }
        if (info.isDir())
            continue;
        list.append(fullPath ? QDir(folder).filePath(info.fileName()) : info.fileName());
    }
}

} // namespace

int fileAttributes(const QString& path) {
    return attributesOf(QFileInfo(path));
}

void FindFiles(QStringList& list, const QString& folder, const QString& extension, bool recursive,
               bool fullPath, int attributeMask) {
    if (!QFileInfo(folder).isDir())
        return;
    findIn(list, folder, normalisedExtension(extension), recursive, fullPath, attributeMask);
}

qint64 FileSizeOf(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        return -1;
    return info.isDir() ? 0 : info.size();
}

void WaitWithEvents(int ms) {
    QCoreApplication::processEvents();
    if (ms <= 0)
        return;
    QEventLoop loop;
    QTimer::singleShot(ms + 1, &loop, &QEventLoop::quit);
    loop.exec();
}

bool OpenWithAssociatedProgram(const QString& path) {
    QString document = path;
    if (document.size() >= 2 && document.startsWith(QLatin1Char('"')) &&
        document.endsWith(QLatin1Char('"')))
        document = document.mid(1, document.size() - 2);
    return desktopShell().openDocument(document);
}

void OpenUrl(const QString& address) {
    desktopShell().openUrl(address);
}

} // namespace lccd
