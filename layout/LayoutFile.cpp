#include "layout/LayoutFile.h"

#include "common/MyCommonW.h"
#include "layout/LayoutLog.h"
#include "platform/AppError.h"
#include "platform/CodePage.h"
#include "platform/FileIO.h"

#include <QFileInfo>

namespace lccd {

QString layoutFileFilter() {
    return QStringLiteral("ListData(*.csv)|*.csv;|Text(*.*)|*.*");
}

namespace {

LayoutFileRead refused(LayoutFileRefusal refusal, const QString& path, QString readError = {}) {
    LayoutFileRead read{std::nullopt, refusal, std::move(readError)};
    qCDebug(lcLayout).noquote() << describeLayoutFileRefusal(read, path);
    return read;
}

} // namespace

LayoutFileRead readLayoutFile(const QString& path) {
    QByteArray bytes;
    try {
        bytes = readWholeFile(path);
    } catch (const AppError& error) {
        return refused(LayoutFileRefusal::CannotRead, path, error.message());
    }
    const TextEncoding encoding = textEncodingOf(bytes);
    const QList<QByteArray> lines = splitLines(withoutUtf8Bom(bytes));
    if (lines.size() < 2)
        return refused(LayoutFileRefusal::TooFewLines, path);
    LayoutFileContent content;
    content.utf8 = encoding == TextEncoding::Utf8;
    content.headerFieldCount = CsvFieldCountW(decodeText(lines.first(), encoding));
    if (content.headerFieldCount <= 13)
        return refused(LayoutFileRefusal::ShortHeader, path);
    for (qsizetype i = 1; i < lines.size(); ++i)
        content.rowLines.append(decodeText(lines[i], encoding));
    return {std::move(content), LayoutFileRefusal::None, {}};
}

QString describeLayoutFileRefusal(const LayoutFileRead& read, const QString& path) {
    switch (read.refusal) {
    case LayoutFileRefusal::None:
        return QString();
    case LayoutFileRefusal::CannotRead:
        return read.readError;
    case LayoutFileRefusal::TooFewLines:
        return QStringLiteral("ファイル %1 はレイアウトファイルではありません（見出し行の後に行が"
                              "ありません）")
            .arg(path);
    case LayoutFileRefusal::ShortHeader:
        return QStringLiteral("ファイル %1 はレイアウトファイルではありません（見出し行の項目が "
                              "14 に足りません）")
            .arg(path);
    }
    return QString();
}

void writeLayoutFile(const QString& path, const QList<LayoutItem>& rows) {
    QList<QByteArray> lines{toSjis(layoutHeaderWords().join(QLatin1Char(',')))};
    for (const LayoutItem& row : rows)
        lines.append(toSjis(row.toRowLine()));
    writeFileAtomically(path, joinLinesCrLf(lines));
}

QString layoutSavePath(const QString& chosen) {
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
