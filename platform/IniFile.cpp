#include "platform/IniFile.h"

#include "platform/BlankTrim.h"
#include "platform/CodePage.h"
#include "platform/FileIO.h"

#include <QFileInfo>

namespace lccd {
namespace {

// The lines of a text: CR, LF and CR LF each end a line, and a line break at the very end
// starts no further line.
QList<QStringView> textLines(QStringView text) {
    QList<QStringView> lines;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        lines.append(text.sliced(start, end - start));
        if (end + 1 < text.size() && text[end] == u'\r' && text[end + 1] == u'\n')
            ++end;
        start = end + 1;
    }
    return lines;
}

} // namespace

IniFile::IniFile(QString path) : path_(std::move(path)) {}

bool IniFile::exists() const {
    return QFileInfo(path_).isFile();
}

void IniFile::appendLine(Section& section, Line line) {
    if (!line.key.isEmpty() && !section.keys.contains({line.key}))
        section.keys.insert({line.key}, section.lines.size());
    section.lines.append(std::move(line));
}

void IniFile::load() {
    preamble_.clear();
    sections_.clear();
    sectionIndex_.clear();
    if (!exists())
        return;
    // Decoded whole: a byte of CR or LF is never part of a Shift-JIS character, so the lines
    // split the same in the text as in the bytes. A NUL reads as a blank, as splitLines reads
    // it: what follows it is kept, and the next save writes it back.
    QByteArray bytes = readWholeFile(path_);
    bytes.replace('\0', ' ');
    const QString text = fromSjis(bytes);
    const QList<QStringView> lines = textLines(text);
    auto isSectionLine = [](QStringView trimmed) {
        return trimmed.startsWith(u'[') && trimmed.endsWith(u']');
    };
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringView line = lines[i];
        const QStringView trimmed = trimBlanks(line);
        if (isSectionLine(trimmed)) {
            sections_.append(
                {trimBlanks(trimmed.sliced(1, trimmed.size() - 2)).toString(), {}, {}});
            // room for the section's lines, so a large one is built without regrowing
            qsizetype next = i + 1;
            while (next < lines.size() && !isSectionLine(trimBlanks(lines[next])))
                ++next;
            sections_.last().lines.reserve(next - i - 1);
            sections_.last().keys.reserve(next - i - 1);
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        Line parsed = equals > 0 && !trimmed.startsWith(u';')
                          ? Line{trimBlanks(line.first(equals)).toString(),
                                 trimBlanks(line.sliced(equals + 1)).toString()}
                          : Line{QString(), line.toString()};
        if (sections_.isEmpty())
            preamble_.append(parsed);
        else
            appendLine(sections_.last(), std::move(parsed));
    }
    indexSections();
}

void IniFile::indexSections() {
    sectionIndex_.clear();
    for (qsizetype i = sections_.size() - 1; i >= 0; --i)
        sectionIndex_.insert({sections_[i].name}, i); // the first of a name wins
}

void IniFile::save() const {
    writeFileAtomically(path_, content());
}

QByteArray IniFile::content() const {
    // Built as one text and converted at once: every line followed by CR LF.
    qsizetype length = 0;
    auto measure = [&length](const QList<Line>& lines) {
        for (const Line& line : lines)
            length += line.key.size() + line.text.size() + 3;
    };
    measure(preamble_);
    for (const Section& section : sections_) {
        length += section.name.size() + 4;
        measure(section.lines);
    }
    QString text;
    text.reserve(length);
    auto appendLine = [&text](QStringView line) {
        text.append(line);
        text.append(u"\r\n");
    };
    auto appendLines = [&](const QList<Line>& from) {
        for (const Line& line : from) {
            if (!line.key.isEmpty()) {
                text.append(line.key);
                text.append(u'=');
            }
            appendLine(line.text);
        }
    };
    appendLines(preamble_);
    for (const Section& section : sections_) {
        appendLine(QString(u'[' + section.name + u']'));
        appendLines(section.lines);
    }
    return toSjis(text);
}

const IniFile::Section* IniFile::findSection(const QString& name) const {
    const auto found = sectionIndex_.constFind({name});
    return found == sectionIndex_.cend() ? nullptr : &sections_[found.value()];
}

IniFile::Section& IniFile::sectionForWriting(const QString& name) {
    if (const auto found = sectionIndex_.constFind({name}); found != sectionIndex_.cend())
        return sections_[found.value()];
    sectionIndex_.insert({name}, sections_.size());
    sections_.append({name, {}, {}});
    return sections_.last();
}

const IniFile::Line* IniFile::findLine(const QString& section, const QString& key) const {
    const Section* found = findSection(section);
    if (!found)
        return nullptr;
    const auto line = found->keys.constFind({key});
    return line == found->keys.cend() ? nullptr : &found->lines[line.value()];
}

bool IniFile::hasKey(const QString& section, const QString& key) const {
    return findLine(section, key) != nullptr;
}

QString IniFile::readString(const QString& section, const QString& key,
                            const QString& fallback) const {
    const Line* line = findLine(section, key);
    if (!line)
        return fallback;
    // A UTF-16 unit takes at most two bytes: most values need no measuring.
    return line->text.size() * 2 <= kMaxValueBytes ? line->text
                                                   : cutToSjisBytes(line->text, kMaxValueBytes);
}

void IniFile::writeString(const QString& section, const QString& key, const QString& value) {
    Section& target = sectionForWriting(section);
    if (const auto found = target.keys.constFind({key}); found != target.keys.cend()) {
        target.lines[found.value()].text = value;
        return;
    }
    // New keys go after the section's last key, before any blank lines that end it (which
    // carry no key, so no indexed position moves).
    qsizetype at = target.lines.size();
    while (at > 0 && target.lines[at - 1].key.isEmpty() &&
           trimBlanks(QStringView(target.lines[at - 1].text)).isEmpty())
        --at;
    target.keys.insert({key}, at);
    target.lines.insert(at, {key, value});
}

void IniFile::reserve(const QString& section, qsizetype keys) {
    Section& target = sectionForWriting(section);
    target.lines.reserve(target.lines.size() + keys);
    target.keys.reserve(target.keys.size() + keys);
}

void IniFile::eraseSection(const QString& section) {
    sections_.removeIf([&](const Section& s) { return Name{s.name} == Name{section}; });
    indexSections();
}

} // namespace lccd
