#include "platform/IniFile.h"

#include "platform/CodePage.h"
#include "platform/FileIO.h"

#include <QFileInfo>

namespace lccd {
namespace {

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The value as read: cut to the longest prefix of whole characters within the byte limit.
QString cutValue(const QString& value) {
    QByteArray bytes = toSjis(value);
    if (bytes.size() <= IniFile::kMaxValueBytes)
        return value;
    qsizetype end = 0;
    while (end < bytes.size()) {
        const qsizetype next = end + (isSjisLeadByte(uchar(bytes[end])) ? 2 : 1);
        if (next > IniFile::kMaxValueBytes)
            break;
        end = next;
    }
    return fromSjis(bytes.left(end));
}

} // namespace

IniFile::IniFile(QString path) : path_(std::move(path)) {}

bool IniFile::exists() const {
    return QFileInfo(path_).isFile();
}

void IniFile::load() {
    preamble_.clear();
    sections_.clear();
    if (!exists())
        return;
    QList<Line>* target = &preamble_;
    for (const QByteArray& raw : splitLines(readWholeFile(path_))) {
        const QString line = fromSjis(raw);
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(QLatin1Char('[')) && trimmed.endsWith(QLatin1Char(']'))) {
            sections_.append({trimmed.mid(1, trimmed.size() - 2).trimmed(), {}});
            target = &sections_.last().lines;
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals > 0 && !trimmed.startsWith(QLatin1Char(';')))
            target->append({line.left(equals).trimmed(), line.mid(equals + 1).trimmed()});
        else
            target->append({QString(), line});
    }
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
    for (const Section& section : sections_)
        if (sameName(section.name, name))
            return &section;
    return nullptr;
}

IniFile::Section& IniFile::sectionForWriting(const QString& name) {
    for (Section& section : sections_)
        if (sameName(section.name, name))
            return section;
    sections_.append({name, {}});
    return sections_.last();
}

const IniFile::Line* IniFile::findLine(const QString& section, const QString& key) const {
    if (const Section* found = findSection(section))
        for (const Line& line : found->lines)
            if (!line.key.isEmpty() && sameName(line.key, key))
                return &line;
    return nullptr;
}

bool IniFile::hasKey(const QString& section, const QString& key) const {
    return findLine(section, key) != nullptr;
}

QString IniFile::readString(const QString& section, const QString& key,
                            const QString& fallback) const {
    const Line* line = findLine(section, key);
    return line ? cutValue(line->text) : fallback;
}

void IniFile::writeString(const QString& section, const QString& key, const QString& value) {
    Section& target = sectionForWriting(section);
    for (Line& line : target.lines)
        if (!line.key.isEmpty() && sameName(line.key, key)) {
            line.text = value;
            return;
        }
    // New keys go after the section's last key, before any blank lines that end it.
    qsizetype at = target.lines.size();
    while (at > 0 && target.lines[at - 1].key.isEmpty() &&
           target.lines[at - 1].text.trimmed().isEmpty())
        --at;
    target.lines.insert(at, {key, value});
}

void IniFile::eraseSection(const QString& section) {
    sections_.removeIf([&](const Section& s) { return sameName(s.name, section); });
}

} // namespace lccd
