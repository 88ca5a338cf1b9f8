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
    if (file.suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0)
        return chosen;
    // The extension goes, or a bare final "." ("label." saves as "label.csv"); a name that only
    // starts with a dot keeps it.
    QString base = chosen;
    const qsizetype dot = file.fileName().lastIndexOf(QLatin1Char('.'));
    if (dot > 0)
        base.chop(file.fileName().size() - dot);
    return base + QLatin1String(".csv");
}

} // namespace lccd
