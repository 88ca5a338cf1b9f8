#include "platform/adapters/QtFonts.h"

#include "platform/CodePage.h"

#include <QFile>
#include <QFontDatabase>
#include <QSet>

namespace lccd {

namespace {

int charsetOf(const QString& family) {
    return QFontDatabase::writingSystems(family).contains(QFontDatabase::Japanese)
               ? Charset::ShiftJis
               : Charset::Ansi;
}

// Lines "face=substitute;substitute" of the substitution table; "#" starts a comment.
QList<QPair<QString, QStringList>> readSubstitutionTable() {
    QList<QPair<QString, QStringList>> table;
    QFile file(QStringLiteral(":/lccd/font-substitutes.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return table;
    for (const QByteArray& raw : splitLines(file.readAll())) {
        const QString line = QString::fromUtf8(raw).trimmed();
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (line.startsWith(QLatin1Char('#')) || equals <= 0)
            continue;
        table.append({line.left(equals), line.mid(equals + 1).split(QLatin1Char(';'))});
    }
    return table;
}

} // namespace

QtFontSystem::QtFontSystem() = default;

const QList<InstalledFace>& QtFontSystem::installedFaces() {
    if (faces_)
        return *faces_;
    QList<InstalledFace> faces;
    QSet<QString> families;
    for (const QString& family : QFontDatabase::families()) {
        if (family.startsWith(QLatin1Char('@')))
            continue;
        families.insert(family);
        faces.append({family, charsetOf(family)});
    }
    for (const auto& [face, candidates] : readSubstitutionTable()) {
        if (families.contains(face))
            continue;
        for (const QString& candidate : candidates) {
            if (!families.contains(candidate))
                continue;
            substitutes_.insert(face, candidate);
            QFont::insertSubstitution(face, candidate);
            faces.append({face, charsetOf(candidate)});
            break;
        }
    }
    faces_ = std::move(faces);
    return *faces_;
}

QString QtFontSystem::familyOf(const QString& face) const {
    return substitutes_.value(face, face);
}

const QFontMetrics& QtFontSystem::metricsOf(const FontRequest& request) {
    installedFaces(); // the substitutions must be known first
    const QString key = QStringLiteral("%1\x1f%2\x1f%3%4")
                            .arg(request.face)
                            .arg(request.pixelSize)
                            .arg(request.bold)
                            .arg(request.italic);
    auto found = metricsCache_.constFind(key);
    if (found == metricsCache_.cend()) {
        QFont font(familyOf(request.face));
        font.setPixelSize(qMax(1, request.pixelSize));
        font.setBold(request.bold);
        font.setItalic(request.italic);
        found = metricsCache_.insert(key, QFontMetrics(font));
    }
    return found.value();
}

TextMetrics QtFontSystem::metrics(const FontRequest& font) {
    const QFontMetrics& m = metricsOf(font);
    return TextMetrics{m.height(), m.ascent(), m.averageCharWidth()};
}

QList<int> QtFontSystem::advances(const FontRequest& font, QStringView text) {
    const QFontMetrics& metrics = metricsOf(font);
    QList<int> result;
    result.reserve(text.size());
    for (QChar unit : text)
        result.append(metrics.horizontalAdvance(unit));
    return result;
}

} // namespace lccd
