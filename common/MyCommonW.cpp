#include "common/MyCommonW.h"

#include "platform/BlankTrim.h"

namespace lccd {
namespace {

// The splitter reads the line as if every CR LF pair and every tab had been turned into a
// comma, and every blank into "%20" (so blanks are ordinary characters that survive the split
// and come back at the end). Working on the original characters gives the same fields without
// building the rewritten line.
class RowLineScanner {
public:
    explicit RowLineScanner(const QString& line) : text_(line) {
        const qsizetype nul = text_.indexOf(QChar(u'\0'));
        end_ = nul < 0 ? text_.size() : nul;
    }

    bool isBlank() const {
        for (qsizetype i = 0; i < end_; ++i)
            if (text_[i].unicode() > 0x20)
                return false;
        return true;
    }

    // The raw fields, before quote stripping and "%20" replacement.
    QStringList rawFields() {
        QStringList fields;
        scan([&](QString field, qsizetype, qsizetype) { fields.append(std::move(field)); });
        return fields;
    }

    // Where each field lies in the line, its quotes included.
    QList<FieldSpan> spans() {
        QList<FieldSpan> found;
        scan([&](const QString&, qsizetype start, qsizetype end) {
            found.append({start, end - start});
        });
        return found;
    }

private:
    // Calls onField(field, start, end) for each field, in order.
    template <typename OnField> void scan(OnField onField) {
        if (isBlank())
            return;
        pos_ = 0;
        skipControls();
        while (pos_ < end_) {
            const qsizetype start = pos_;
            QString field = at(pos_) == u'"' ? quotedField() : plainField();
            onField(std::move(field), start, pos_);
            skipControls();
            if (pos_ < end_ && separatorLength(pos_) > 0) {
                pos_ += separatorLength(pos_);
                if (pos_ == end_)
                    onField(QString(), pos_, pos_);
                skipControls();
            }
        }
    }

    char16_t at(qsizetype i) const { return text_[i].unicode(); }

    // 2 for CR LF, 1 for a comma or a tab, 0 otherwise.
    qsizetype separatorLength(qsizetype i) const {
        const char16_t c = at(i);
        if (c == u',' || c == u'\t')
            return 1;
        if (c == u'\r' && i + 1 < end_ && at(i + 1) == u'\n')
            return 2;
        return 0;
    }

    // Control characters that neither separate fields nor belong to one (the blank does not
    // count: it stands for "%20").
    bool isControl(qsizetype i) const {
        const char16_t c = at(i);
        return c >= 0x01 && c < 0x20 && separatorLength(i) == 0;
    }

    void skipControls() {
        while (pos_ < end_ && isControl(pos_))
            ++pos_;
    }

    QString plainField() {
        const qsizetype start = pos_;
        while (pos_ < end_ && separatorLength(pos_) == 0 && !isControl(pos_))
            ++pos_;
        return text_.mid(start, pos_ - start);
    }

    // A field in double quotes: runs to the next double quote that is not doubled; a doubled
    // one stands for one double quote. An unclosed field runs to the end of the line.
    QString quotedField() {
        ++pos_;
        // Most quoted fields hold neither a doubled quote nor a separator: taken whole.
        qsizetype close = pos_;
        while (close < end_ && at(close) != u'"' && separatorLength(close) == 0)
            ++close;
        const bool doubled = close + 1 < end_ && at(close) == u'"' && at(close + 1) == u'"';
        if (close == end_ || (at(close) == u'"' && !doubled)) {
            QString field = text_.mid(pos_, close - pos_);
            pos_ = close == end_ ? close : close + 1;
            return field;
        }
        QString field;
        field.reserve(end_ - pos_);
        while (pos_ < end_) {
            const char16_t c = at(pos_);
            if (c == u'"') {
                if (pos_ + 1 < end_ && at(pos_ + 1) == u'"') {
                    field.append(QChar(u'"'));
                    pos_ += 2;
                    continue;
                }
                ++pos_;
                break;
            }
            const qsizetype separator = separatorLength(pos_);
            if (separator > 0) {
                field.append(QChar(u','));
                pos_ += separator;
            } else {
                field.append(QChar(c));
                ++pos_;
            }
        }
        return field;
    }

    const QString& text_;
    qsizetype end_ = 0;
    qsizetype pos_ = 0;
};

} // namespace

QString csvFieldValueW(const QString& raw) {
    if (raw.isEmpty())
        return raw;
    QString field = StripQuotesW(raw);
    if (field.contains(QLatin1String("%20")))
        field.replace(QLatin1String("%20"), QLatin1String(" "));
    return field;
}

QStringList csvFieldsW(const QString& line) {
    QStringList fields = RowLineScanner(line).rawFields();
    for (QString& field : fields)
        field = csvFieldValueW(field);
    return fields;
}

QString CsvFieldW(const QString& line, int n) {
    const QStringList fields = RowLineScanner(line).rawFields();
    if (n < 1 || n > fields.size())
        return QString();
    return csvFieldValueW(fields[n - 1]);
}

QList<FieldSpan> csvFieldSpansW(const QString& line) {
    return RowLineScanner(line).spans();
}

int CsvFieldCountW(const QString& line) {
    return int(RowLineScanner(line).rawFields().size());
}

int PosW(const QString& needle, const QString& text) {
    if (needle.isEmpty())
        return 0;
    return int(text.indexOf(needle)) + 1;
}

QString StripQuotesW(const QString& text) {
    if (text.size() < 2)
        return text;
    auto isQuote = [](QChar c) { return c == u'"' || c == u'\''; };
    QString result = text;
    if (isQuote(result.front()))
        result.remove(0, 1);
    if (!result.isEmpty() && isQuote(result.back()))
        result.chop(1);
    return result;
}

} // namespace lccd
