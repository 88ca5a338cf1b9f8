#include "layout/LayoutFile.h"

#include "common/MyCommonW.h"
#include "platform/CodePage.h"
#include "platform/FileIO.h"

#include <QFileInfo>

namespace lccd {

QString LayoutFileFilter() {
    return QStringLiteral("ListData(*.csv)|*.csv;|Text(*.*)|*.*");
}

std::optional<LayoutFileContent> ReadLayoutFile(const QString& path) {
    const QList<QByteArray> lines = splitLines(readWholeFile(path));
    if (lines.size() < 2)
        return std::nullopt;
    LayoutFileContent content;
    content.headerFieldCount = CsvFieldCountW(fromSjis(lines.first()));
    if (content.headerFieldCount <= 13)
        return std::nullopt;
    for (qsizetype i = 1; i < lines.size(); ++i)
        content.rowLines.append(fromSjis(lines[i]));
    return content;
}

void WriteLayoutFile(const QString& path, const QList<LayoutItem>& rows) {
    QList<QByteArray> lines{toSjis(LayoutHeaderWords().join(QLatin1Char(',')))};
    for (const LayoutItem& row : rows)
        lines.append(toSjis(row.toRowLine()));
    writeFileAtomically(path, joinLinesCrLf(lines));
}

QString LayoutSavePath(const QString& chosen) {
    const QFileInfo file(chosen);
    const QString suffix = file.suffix();
    if (suffix.compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0)
        return chosen;
    const QString base = suffix.isEmpty() ? chosen : chosen.left(chosen.size() - suffix.size() - 1);
    return base + QLatin1String(".csv");
}

} // namespace lccd
