#include "cli/ManPage.h"

#include <QStringList>

#include <algorithm>

namespace lccd {
namespace {

constexpr int kEntryIndent = 2;

// Japanese: wide characters stand without blanks between them, so a line may break anywhere
// between two of them, except before a closing mark or after an opening one.
bool isWide(QChar c) {
    const char16_t u = c.unicode();
    return (u >= 0x2E80 && u <= 0x9FFF) || (u >= 0xF900 && u <= 0xFAFF) ||
           (u >= 0xFF00 && u <= 0xFFEF);
}

bool opensPhrase(QChar c) {
    return QStringLiteral("（「『［【〈《").contains(c);
}

bool closesPhrase(QChar c) {
    return QStringLiteral("、。，．）」』］】〉》・ーっゃゅょッャュョ：；！？").contains(c);
}

bool mayBreakBetween(QChar before, QChar after) {
    return (isWide(before) || isWide(after)) && !before.isSpace() && !after.isSpace() &&
           !opensPhrase(before) && !closesPhrase(after);
}

// Text as roff takes it: backslashes and minus signs escaped, a control character at the start
// of the line made plain, break points between wide characters.
QString roffText(const QString& text) {
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\\'))
            out += QLatin1String("\\e");
        else if (c == QLatin1Char('-'))
            out += QLatin1String("\\-");
        else
            out += c;
        if (i + 1 < text.size() && mayBreakBetween(c, text[i + 1]))
            out += QLatin1String("\\:");
    }
    if (out.startsWith(QLatin1Char('.')) || out.startsWith(QLatin1Char('\'')))
        out.prepend(QLatin1String("\\&"));
    return out;
}

// The lines of a paragraph, to be filled: the help's line breaks become blanks, except
// between wide characters, where the help broke a line without one.
QString roffLines(const QStringList& lines) {
    QString out;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        out += roffText(line);
        const QString next = i + 1 < lines.size() ? lines[i + 1].trimmed() : QString();
        if (!line.isEmpty() && !next.isEmpty() && (isWide(line.back()) || isWide(next.front())))
            out += mayBreakBetween(line.back(), next.front()) ? QLatin1String("\\:\\c")
                                                              : QLatin1String("\\c");
        out += QLatin1Char('\n');
    }
    return out;
}

QString bold(const QString& text) {
    return QLatin1String("\\fB") + roffText(text) + QLatin1String("\\fR");
}

qsizetype indentOf(const QString& line) {
    qsizetype indent = 0;
    while (indent < line.size() && line[indent] == QLatin1Char(' '))
        ++indent;
    return indent;
}

QList<QStringList> paragraphsOf(const QString& text) {
    QList<QStringList> paragraphs(1);
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        if (line.trimmed().isEmpty()) {
            if (!paragraphs.last().isEmpty())
                paragraphs.append(QStringList());
        } else {
            paragraphs.last().append(line);
        }
    }
    if (paragraphs.last().isEmpty())
        paragraphs.removeLast();
    return paragraphs;
}

QString sectionHeading(const QString& heading, bool japanese) {
    const QString name = japanese ? heading : heading.toUpper();
    return QLatin1String(".SH \"") + name + QLatin1String("\"\n");
}

// The entries of a list: a tagged paragraph each.
QString roffList(const QStringList& lines) {
    qsizetype descriptionIndent = 0;
    for (const QString& line : lines)
        if (const qsizetype indent = indentOf(line); indent > kEntryIndent)
            descriptionIndent =
                descriptionIndent == 0 ? indent : std::min(descriptionIndent, indent);
    QString out;
    QString term;
    QStringList description;
    const auto endEntry = [&] {
        if (!term.isEmpty())
            out += QLatin1String(".TP\n") + bold(term) + QLatin1Char('\n') + roffLines(description);
        term.clear();
        description.clear();
    };
    for (const QString& line : lines) {
        const qsizetype indent = indentOf(line);
        if (indent <= kEntryIndent) {
            endEntry();
            const QString entry = line.trimmed();
            const qsizetype gap = entry.indexOf(QLatin1String("  "));
            term = gap < 0 ? entry : entry.left(gap);
            if (gap >= 0)
                description.append(entry.mid(gap));
        } else if (description.isEmpty() && indent > descriptionIndent) {
            term += QLatin1Char(' ') + line.trimmed();
        } else {
            description.append(line);
        }
    }
    endEntry();
    return out;
}

// What follows "Usage:" or "Exit status:": the text after the first colon and blank.
qsizetype headedTextStart(const QString& line) {
    const qsizetype colon = line.indexOf(QLatin1String(": "));
    return colon < 0 ? -1 : colon + 2;
}

QString firstSentence(const QStringList& lines) {
    const QString text = lines.join(QLatin1Char(' ')).simplified();
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QChar(u'。'))
            return text.left(i);
        if (text[i] == QLatin1Char('.') && (i + 1 == text.size() || text[i + 1].isSpace()))
            return text.left(i);
    }
    return text;
}

} // namespace

QString manPage(const QString& helpText, const ManPageTitle& title) {
    const QList<QStringList> paragraphs = paragraphsOf(helpText);
    const bool japanese = title.japanese;
    QString page = QLatin1String(".\\\" Made from the program's help text by lccdtool-man.\n");
    page +=
        QStringLiteral(".TH \"%1\" 1 \"%2\" \"%3\" \"%4\"\n")
            .arg(title.program.toUpper(), title.date, title.source,
                 japanese ? QStringLiteral("ユーザーコマンド") : QStringLiteral("User Commands"));
    // Terms stay whole words; lines are not stretched to the right margin.
    page += QLatin1String(".nh\n.ad l\n");

    const QStringList description = paragraphs.value(1);
    page += sectionHeading(japanese ? QStringLiteral("名前") : QStringLiteral("Name"), japanese);
    page += roffText(title.program) + QLatin1String(" \\- ") +
            roffText(firstSentence(description)) + QLatin1Char('\n');

    const QString usage = paragraphs.value(0).value(0);
    const QString synopsis = usage.mid(std::max<qsizetype>(0, headedTextStart(usage))).trimmed();
    const qsizetype programEnd = synopsis.indexOf(QLatin1Char(' '));
    page +=
        sectionHeading(japanese ? QStringLiteral("書式") : QStringLiteral("Synopsis"), japanese);
    page += bold(synopsis.left(programEnd)) +
            (programEnd < 0 ? QString() : roffText(synopsis.mid(programEnd))) + QLatin1Char('\n');

    page +=
        sectionHeading(japanese ? QStringLiteral("説明") : QStringLiteral("Description"), japanese);
    page += roffLines(description);

    for (qsizetype i = 2; i < paragraphs.size(); ++i) {
        const QStringList& lines = paragraphs[i];
        const QString first = lines.first();
        if (first.endsWith(QLatin1Char(':'))) {
            page += sectionHeading(first.chopped(1), japanese) + roffList(lines.mid(1));
        } else if (const qsizetype start = headedTextStart(first); start > 0) {
            page += sectionHeading(first.left(start - 2), japanese) +
                    roffLines(QStringList{first.mid(start)} + lines.mid(1));
        } else {
            page += QLatin1String(".PP\n") + roffLines(lines);
        }
    }
    return page;
}

} // namespace lccd
