#include "common/FileHelpers.h"

#include "platform/Shell.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include <algorithm>

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

// The entries of a folder in file-name order.
QFileInfoList sortedEntries(const QString& folder) {
    QFileInfoList entries;
    QDirIterator iterator(folder,
                          QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (iterator.hasNext()) {
        iterator.next();
        entries.append(iterator.fileInfo());
    }
    std::sort(entries.begin(), entries.end(), [](const QFileInfo& a, const QFileInfo& b) {
        return fileNameLess(a.fileName(), b.fileName());
    });
    return entries;
}

// The code points of a name as the comparison sees them: composed, in upper case.
QList<uint> comparedCodePoints(const QString& name) {
    QList<uint> points = name.normalized(QString::NormalizationForm_C).toUcs4();
    for (uint& point : points)
        point = QChar::toUpper(point);
    return points;
}

void findIn(QStringList& list, const QString& folder, const QString& extension, bool recursive,
            bool fullPath, int mask) {
    constexpr int specialBits = FileAttr::Hidden | FileAttr::System | FileAttr::Directory;
    for (const QFileInfo& info : sortedEntries(folder)) {
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

bool fileNameLess(const QString& a, const QString& b) {
    const QList<uint> left = comparedCodePoints(a);
    const QList<uint> right = comparedCodePoints(b);
    if (left != right)
        return std::lexicographical_compare(left.begin(), left.end(), right.begin(), right.end());
    return a < b; // names that differ only in case or composition keep one order
}

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

bool OpenWithAssociatedProgram(DesktopShell& shell, const QString& path) {
    QString document = path;
    if (document.size() >= 2 && document.startsWith(QLatin1Char('"')) &&
        document.endsWith(QLatin1Char('"')))
        document = document.mid(1, document.size() - 2);
    return shell.openDocument(document);
}

void OpenUrl(DesktopShell& shell, const QString& address) {
    shell.openUrl(address);
}

} // namespace lccd
