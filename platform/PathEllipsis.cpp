#include "platform/PathEllipsis.h"

#include <QDir>
#include <QFontMetrics>
#include <QStringList>

namespace lccd {

QString shortenPath(const QString& path, const std::function<bool(const QString&)>& fits) {
    if (fits(path))
        return path;
    const QString native = QDir::toNativeSeparators(path);
    const QChar separator = QDir::separator();
    const qsizetype lastSeparator = native.lastIndexOf(separator);
    if (lastSeparator < 0)
        return path;

    // root: everything up to and including the first separator ("/" or "C:\").
    const qsizetype firstSeparator = native.indexOf(separator);
    const QString root = native.left(firstSeparator + 1);
    const QString fileName = native.mid(lastSeparator + 1);
    QStringList folders = native.mid(firstSeparator + 1, lastSeparator - firstSeparator - 1)
                              .split(separator, Qt::SkipEmptyParts);
    const QString ellipsis = QStringLiteral("...");

    while (!folders.isEmpty()) {
        folders.removeFirst();
        QStringList parts{ellipsis};
        parts.append(folders);
        parts.append(fileName);
        const QString candidate = root + parts.join(separator);
        if (fits(candidate))
            return candidate;
    }
    const QString withoutRoot = ellipsis + separator + fileName;
    if (fits(withoutRoot))
        return withoutRoot;
    return fileName;
}

QString shortenPath(const QString& path, const QFontMetrics& metrics, int width) {
    return shortenPath(
        path, [&](const QString& text) { return metrics.horizontalAdvance(text) <= width; });
}

} // namespace lccd
