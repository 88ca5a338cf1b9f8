#include "platform/IniFile.h"

#include "platform/BlankTrim.h"
#include "platform/CodePage.h"
#include "platform/FileIO.h"

#include <QFileInfo>

namespace lccd {

IniFile::IniFile(QString path) : path_(std::move(path)) {}

bool IniFile::exists() const {
    return QFileInfo(path_).isFile();
}

void IniFile::appendLine(Section& section, Line line) {
    if (!line.key.isEmpty()) {
        const QString key = folded(line.key);
        if (!section.keys.contains(key))
            section.keys.insert(key, section.lines.size());
    }
    section.lines.append(std::move(line));
}

void IniFile::load() {
    preamble_.clear();
    sections_.clear();
    sectionIndex_.clear();
    if (!exists())
        return;
    for (const QByteArray& raw : splitLines(readWholeFile(path_))) {
        const QString line = fromSjis(raw);
        const QStringView trimmed = trimBlanks(QStringView(line));
        if (trimmed.startsWith(u'[') && trimmed.endsWith(u']')) {
            sections_.append(
                {trimBlanks(trimmed.sliced(1, trimmed.size() - 2)).toString(), {}, {}});
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        Line parsed{QString(), line};
        if (equals > 0 && !trimmed.startsWith(u';'))
            parsed = {trimBlanks(QStringView(line).first(equals)).toString(),
                      trimBlanks(QStringView(line).sliced(equals + 1)).toString()};
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
        sectionIndex_.insert(folded(sections_[i].name), i); // the first of a name wins
}

void IniFile::save() const {
    QList<QByteArray> lines;
    auto appendLines = [&lines](const QList<Line>& from) {
        for (const Line& line : from)
            lines.append(toSjis(line.key.isEmpty() ? line.text : line.key + u'=' + line.text));
    };
    appendLines(preamble_);
    for (const Section& section : sections_) {
        lines.append(toSjis(u'[' + section.name + u']'));
        appendLines(section.lines);
    }
    writeFileAtomically(path_, joinLinesCrLf(lines));
}

const IniFile::Section* IniFile::findSection(const QString& name) const {
    const auto found = sectionIndex_.constFind(folded(name));
    return found == sectionIndex_.cend() ? nullptr : &sections_[found.value()];
}

IniFile::Section& IniFile::sectionForWriting(const QString& name) {
    const QString key = folded(name);
    if (const auto found = sectionIndex_.constFind(key); found != sectionIndex_.cend())
        return sections_[found.value()];
    sectionIndex_.insert(key, sections_.size());
    sections_.append({name, {}, {}});
    return sections_.last();
}

const IniFile::Line* IniFile::findLine(const QString& section, const QString& key) const {
    const Section* found = findSection(section);
    if (!found)
        return nullptr;
    const auto line = found->keys.constFind(folded(key));
    return line == found->keys.cend() ? nullptr : &found->lines[line.value()];
}

bool IniFile::hasKey(const QString& section, const QString& key) const {
    return findLine(section, key) != nullptr;
}

QString IniFile::readString(const QString& section, const QString& key,
                            const QString& fallback) const {
    const Line* line = findLine(section, key);
    return line ? cutToSjisBytes(line->text, kMaxValueBytes) : fallback;
}

void IniFile::writeString(const QString& section, const QString& key, const QString& value) {
    Section& target = sectionForWriting(section);
    if (const auto found = target.keys.constFind(folded(key)); found != target.keys.cend()) {
        target.lines[found.value()].text = value;
        return;
    }
    // New keys go after the section's last key, before any blank lines that end it (which
    // carry no key, so no indexed position moves).
    qsizetype at = target.lines.size();
    while (at > 0 && target.lines[at - 1].key.isEmpty() &&
           trimBlanks(QStringView(target.lines[at - 1].text)).isEmpty())
        --at;
    target.keys.insert(folded(key), at);
    target.lines.insert(at, {key, value});
}

void IniFile::eraseSection(const QString& section) {
    const QString name = folded(section);
    sections_.removeIf([&](const Section& s) { return folded(s.name) == name; });
    indexSections();
}

} // namespace lccd
