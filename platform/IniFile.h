#pragma once

#include <QHash>
#include <QList>
#include <QString>

// An INI file in the classic desktop profile format: "[Section]" lines followed by
// "key=value" lines, in Shift-JIS. Section and key names compare without regard to case,
// the stored order is kept, and new sections and keys go after the existing ones. Lines the
// format does not know (comments, blank lines) are kept as they are. Names and values lose
// the blanks and control characters (bytes up to 0x20) around them, nothing else; a NUL inside
// one reads as a blank.
//
// The file is read and written whole, and every section is indexed by key, so that reading or
// writing a key takes the same time however many keys a section holds.
namespace lccd {

class IniFile {
public:
    // Values longer than this many bytes are cut when read.
    static constexpr int kMaxValueBytes = 2047;

    explicit IniFile(QString path);

    const QString& path() const { return path_; }
    bool exists() const;

    // Reads the whole file; a missing file reads as empty. Throws AppError
    // "ファイル %s は開けません" when it exists but cannot be read.
    void load();
    // The whole file as save writes it: Shift-JIS, CR LF after every line.
    QByteArray content() const;
    // Replaces the file with the whole content, atomically: a failure leaves the previous
    // file as it was. Throws AppError "ファイル %s を作成できません".
    void save() const;

    bool hasKey(const QString& section, const QString& key) const;
    QString readString(const QString& section, const QString& key, const QString& fallback) const;
    void writeString(const QString& section, const QString& key, const QString& value);
    // Makes room in a section for this many keys, so that writing them grows nothing.
    void reserve(const QString& section, qsizetype keys);
    void eraseSection(const QString& section);

private:
    struct Line {
        QString key;  // empty for a line that is no "key=value"
        QString text; // the value, or the whole line
    };
    // A section or key name as an index key: compared and hashed without regard to case, and
    // sharing the name's characters instead of copying them.
    struct Name {
        QString text;
        friend bool operator==(const Name& a, const Name& b) {
            return a.text.compare(b.text, Qt::CaseInsensitive) == 0;
        }
        // The same for names that differ only in case: each character folded as compare folds
        // it (a surrogate pair as one character; ASCII, what names nearly always are, folded
        // in place).
        friend size_t qHash(const Name& name, size_t seed = 0) {
            QtPrivate::QHashCombine combine;
            const QString& text = name.text;
            for (qsizetype i = 0; i < text.size(); ++i) {
                char32_t c = text[i].unicode();
                if (c < 0x80) {
                    if (c >= u'A' && c <= u'Z')
                        c += u'a' - u'A';
                } else {
                    if (text[i].isHighSurrogate() && i + 1 < text.size() &&
                        text[i + 1].isLowSurrogate()) {
                        c = QChar::surrogateToUcs4(text[i], text[i + 1]);
                        ++i;
                    }
                    c = QChar::toCaseFolded(c);
                }
                seed = combine(seed, c);
            }
            return seed;
        }
    };
    struct Section {
        QString name;
        QList<Line> lines;
        QHash<Name, qsizetype> keys; // key -> its first line
    };

    static void appendLine(Section& section, Line line);

    const Section* findSection(const QString& name) const;
    Section& sectionForWriting(const QString& name);
    const Line* findLine(const QString& section, const QString& key) const;
    void indexSections();

    QString path_;
    QList<Line> preamble_; // lines before the first section
    QList<Section> sections_;
    QHash<Name, qsizetype> sectionIndex_; // name -> its first section
};

} // namespace lccd
