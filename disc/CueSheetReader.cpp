#include "disc/CueSheetReader.h"

#include "audio/CdFormat.h"
#include "platform/CodePage.h"

#include <QRegularExpression>

namespace lccd {
namespace {

// No CD holds more; a sheet claiming more is not read further.
constexpr int kMostTracks = 99;
constexpr qint64 kMostMinutes = 9999;

struct Line {
    QString keyword; // upper case
    QString rest;    // after the keyword, trimmed
};

Line splitLine(const QString& text) {
    const QString trimmed = text.trimmed();
    const qsizetype blank = trimmed.indexOf(QRegularExpression(QStringLiteral("\\s")));
    if (blank < 0)
        return {trimmed.toUpper(), {}};
    return {trimmed.left(blank).toUpper(), trimmed.mid(blank).trimmed()};
}

// A quoted value up to its closing quote (or the line's end), else the first word.
QString firstValue(const QString& rest, QString* after = nullptr) {
    qsizetype end = 0;
    QString value;
    if (rest.startsWith(QLatin1Char('"'))) {
        const qsizetype close = rest.indexOf(QLatin1Char('"'), 1);
        end = close < 0 ? rest.size() : close + 1;
        value = rest.mid(1, (close < 0 ? rest.size() : close) - 1);
    } else {
        const qsizetype blank = rest.indexOf(QRegularExpression(QStringLiteral("\\s")));
        end = blank < 0 ? rest.size() : blank;
        value = rest.left(end);
    }
    if (after)
        *after = rest.mid(end).trimmed();
    return value;
}

// A value that may hold blanks without quotes: the whole rest of the line.
QString wholeValue(const QString& rest) {
    if (rest.startsWith(QLatin1Char('"')))
        return firstValue(rest);
    return rest;
}

std::optional<qint64> sectorsOf(const QString& time) {
    static const QRegularExpression form(QStringLiteral("^(\\d{1,4}):(\\d{1,2}):(\\d{1,2})$"));
    const QRegularExpressionMatch match = form.match(time);
    if (!match.hasMatch())
        return std::nullopt;
    const qint64 minutes = match.captured(1).toLongLong();
    const qint64 seconds = match.captured(2).toLongLong();
    const qint64 frames = match.captured(3).toLongLong();
    if (minutes > kMostMinutes || seconds >= 60 || frames >= kCdSectorsPerSecond)
        return std::nullopt;
    return (minutes * 60 + seconds) * kCdSectorsPerSecond + frames;
}

class SheetReader {
public:
    void read(const QString& line) {
        const Line parts = splitLine(line);
        const QString& key = parts.keyword;
        if (key == QLatin1String("FILE"))
            file_ = firstValue(parts.rest);
        else if (key == QLatin1String("TRACK"))
            startTrack(parts.rest);
        else if (key == QLatin1String("INDEX"))
            index(parts.rest);
        else if (key == QLatin1String("TITLE"))
            text(&CueTrack::title, &CueSheetContent::title, parts.rest);
        else if (key == QLatin1String("PERFORMER"))
            text(&CueTrack::performer, &CueSheetContent::performer, parts.rest);
        else if (key == QLatin1String("SONGWRITER"))
            text(&CueTrack::songwriter, &CueSheetContent::songwriter, parts.rest);
        else if (key == QLatin1String("ISRC") && track_)
            track_->isrc = firstValue(parts.rest);
        else if (key == QLatin1String("CATALOG") && !afterTrack_)
            sheet_.catalog = firstValue(parts.rest);
        else if (key == QLatin1String("REM") && !afterTrack_)
            remark(parts.rest);
    }

    CueSheetContent finish() {
        endTrack();
        return sheet_;
    }

private:
    void text(QString CueTrack::*trackField, QString CueSheetContent::*discField,
              const QString& rest) {
        // The texts of a track that is not read go nowhere, not into the disc's.
        if (track_)
            (*track_).*trackField = wholeValue(rest);
        else if (!afterTrack_)
            sheet_.*discField = wholeValue(rest);
    }

    void remark(const QString& rest) {
        QString value;
        const QString name = firstValue(rest, &value).toUpper();
        if (name == QLatin1String("GENRE"))
            sheet_.genre = wholeValue(value);
        else if (name == QLatin1String("DATE"))
            sheet_.date = wholeValue(value);
    }

    void startTrack(const QString& rest) {
        endTrack();
        afterTrack_ = true;
        if (sheet_.tracks.size() >= kMostTracks)
            return;
        QString type;
        bool isNumber = false;
        const int number = firstValue(rest, &type).toInt(&isNumber);
        if (!isNumber || number < 1 || number > kMostTracks)
            return;
        track_ = CueTrack{};
        track_->number = number;
        track_->type = type.toUpper();
    }

    void index(const QString& rest) {
        if (!track_)
            return;
        QString time;
        bool isNumber = false;
        const int number = firstValue(rest, &time).toInt(&isNumber);
        const std::optional<qint64> position = sectorsOf(time);
        if (!isNumber || !position)
            return;
        if (number == 0) {
            pregap_ = {file_, *position};
        } else if (number == 1 && !hasStart_) {
            track_->file = file_;
            track_->start = *position;
            hasStart_ = true;
        }
    }

    void endTrack() {
        if (track_ && hasStart_) {
            if (pregap_ && pregap_->first == track_->file && pregap_->second <= track_->start)
                track_->pregapStart = pregap_->second;
            sheet_.tracks.append(*track_);
        }
        track_.reset();
        pregap_.reset();
        hasStart_ = false;
    }

    CueSheetContent sheet_;
    QString file_;
    std::optional<CueTrack> track_;
    std::optional<std::pair<QString, qint64>> pregap_; // the file it lies in, and where
    bool hasStart_ = false;
    bool afterTrack_ = false;
};

} // namespace

QString cuePositionText(qint64 sector) {
    const qint64 seconds = sector / kCdSectorsPerSecond;
    return QString::asprintf("%02lld:%02lld:%02lld", seconds / 60, seconds % 60,
                             sector % kCdSectorsPerSecond);
}

CueSheetContent parseCueSheet(const QString& text) {
    SheetReader reader;
    for (const QString& line : text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n"))))
        reader.read(line);
    return reader.finish();
}

CueSheetContent readCueSheet(const QByteArray& fileBytes) {
    return parseCueSheet(decodeText(withoutUtf8Bom(fileBytes), textEncodingOf(fileBytes)));
}

} // namespace lccd
