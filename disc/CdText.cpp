#include "disc/CdText.h"

#include "disc/DiscInfo.h"
#include "platform/BlankTrim.h"
#include "platform/CodePage.h"

#include <array>

namespace lccd {
namespace {

constexpr int kPackBytes = 18;
constexpr int kPackTextBytes = 12;
// The sequence number of a pack is one byte, and libburn and drives stop at 255 packs a block.
constexpr int kBlockPackLimit = 255;
constexpr unsigned char kTitle = 0x80;
constexpr unsigned char kPerformer = 0x81;
constexpr unsigned char kSizeInfo = 0x8f;
constexpr unsigned char kCharacterCodeMsJis = 0x80;
constexpr unsigned char kLanguageJapanese = 0x69;
constexpr unsigned char kDoubleByteFlag = 0x80;
constexpr int kFirstTrack = 1;

bool isHalfWidthKatakana(QChar c) {
    return c.unicode() >= 0xFF61 && c.unicode() <= 0xFF9F;
}

// Half-width katakana runs become full-width, a voicing mark joined to the kana before it.
QString widenKatakana(const QString& text) {
    QString wide;
    for (qsizetype i = 0; i < text.size();) {
        qsizetype end = i;
        while (end < text.size() && isHalfWidthKatakana(text[end]))
            ++end;
        if (end > i) {
            wide += text.mid(i, end - i).normalized(QString::NormalizationForm_KC);
            i = end;
        } else {
            wide += text[i++];
        }
    }
    return wide;
}

QString fullWidthCharacter(char32_t c) {
    if (c > 0x20 && c < 0x7f)
        return QString(QChar(char16_t(c - 0x21 + 0xff01)));
    if (c <= 0x20 || c == 0x7f)
        return QStringLiteral("\u3000");
    return QString::fromUcs4(&c, 1);
}

// The CRC of MMC's CD-TEXT packs: the polynomial x^16 + x^12 + x^5 + 1 over the first 16
// bytes, every bit inverted.
quint16 packCrc(const char* bytes) {
    quint16 crc = 0;
    for (int i = 0; i < kPackBytes - 2; ++i) {
        crc ^= quint16(quint8(bytes[i]) << 8);
        for (int bit = 0; bit < 8; ++bit)
            crc = quint16(crc & 0x8000 ? (crc << 1) ^ 0x1021 : crc << 1);
    }
    return quint16(~crc);
}

// Lays texts into packs the way libburn does, so that both give the same bytes: each kind of
// text starts a pack, a pack records the track its first byte belongs to and how many
// characters of that text came before, and a track whose text repeats the previous track's
// holds a tab instead. libburn's own burn_cdtext_from_session cannot make this block: it keeps
// the double-byte mark for titles alone, so its performer packs read back garbled.
class PackWriter {
public:
    void addTexts(unsigned char type, const QList<QByteArray>& texts) {
        for (int track = 0; track < texts.size(); ++track) {
            const bool repeat =
                track > 1 && texts[track] == texts[track - 1] && texts[track].size() > 2;
            addText(type, track, repeat ? QByteArray("\t\t\0\0", 4) : texts[track], true);
        }
        closePack();
    }

    void addSizeInfo(int trackCount) {
        std::array<QByteArray, 3> info;
        info.fill(QByteArray(kPackTextBytes, '\0'));
        info[0][0] = char(kCharacterCodeMsJis);
        info[0][1] = char(kFirstTrack);
        info[0][2] = char(kFirstTrack + trackCount - 1);
        for (int type = 0; type < 8; ++type)
            info[0][4 + type] = char(packCounts_[type]);
        for (int type = 8; type < 15; ++type)
            info[1][type - 8] = char(packCounts_[type]);
        info[1][7] = char(info.size());
        info[2][4] = char(kLanguageJapanese);
        const int lastSequence = sequence_ + int(info.size()) - 1;
        info[1][8] = char(lastSequence);
        for (int i = 0; i < int(info.size()); ++i) {
            addText(kSizeInfo, i, info[size_t(i)], false);
            closePack();
        }
    }

    bool fits() const { return sequence_ <= kBlockPackLimit; }
    const QByteArray& packs() const { return packs_; }

private:
    void addText(unsigned char type, int track, const QByteArray& text, bool doubleByte) {
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (pack_.isEmpty() || used_ == kPackTextBytes) {
                closePack();
                const int characters = doubleByte ? int(i / 2) : 0;
                openPack(type, track, qMin(characters, 15), doubleByte);
            }
            pack_[4 + used_++] = text[i];
        }
    }

    void openPack(unsigned char type, int track, int characterPosition, bool doubleByte) {
        pack_ = QByteArray(kPackBytes, '\0');
        pack_[0] = char(type);
        pack_[1] = char(track);
        pack_[2] = char(sequence_++);
        pack_[3] = char((doubleByte ? kDoubleByteFlag : 0) | characterPosition);
        used_ = 0;
        ++packCounts_[type - kTitle];
    }

    void closePack() {
        if (pack_.isEmpty())
            return;
        const quint16 crc = packCrc(pack_.constData());
        pack_[16] = char(crc >> 8);
        pack_[17] = char(crc & 0xff);
        packs_ += pack_;
        pack_.clear();
    }

    QByteArray packs_;
    QByteArray pack_;
    int used_ = 0;
    int sequence_ = 0;
    std::array<int, 16> packCounts_ = {};
};

QByteArray terminated(const QString& text) {
    return msJisText(text) + QByteArray(2, '\0');
}

} // namespace

CdText discCdText(const DiscInfo& disc, const QList<DiscTrack>& tracks) {
    CdText text{{trimBlanks(disc.albumTitle), trimBlanks(disc.discPerformer)}, {}};
    for (const DiscTrack& track : tracks)
        text.tracks.append({trimBlanks(track.title), trimBlanks(track.performer)});
    return text;
}

QByteArray msJisText(const QString& text) {
    QByteArray bytes;
    for (const char32_t c : widenKatakana(text).toUcs4()) {
        const QString wide = fullWidthCharacter(c);
        const QByteArray encoded = toSjis(wide);
        const bool twoBytes = encoded.size() == 2 && charactersOutsideSjis(wide).isEmpty();
        bytes += twoBytes ? encoded : toSjis(QStringLiteral("\uff1f"));
    }
    return bytes;
}

std::optional<QByteArray> cdTextPacks(const CdText& text) {
    QList<QByteArray> titles = {terminated(text.album.title)};
    QList<QByteArray> performers = {terminated(text.album.performer)};
    for (const CdTextEntry& track : text.tracks) {
        titles.append(terminated(track.title));
        performers.append(terminated(track.performer));
    }
    PackWriter writer;
    writer.addTexts(kTitle, titles);
    writer.addTexts(kPerformer, performers);
    writer.addSizeInfo(int(text.tracks.size()));
    if (!writer.fits())
        return std::nullopt;
    return writer.packs();
}

QByteArray cdTextFile(const QByteArray& packs) {
    const int length = int(packs.size()) + 2;
    QByteArray file(4, '\0');
    file[0] = char(length >> 8);
    file[1] = char(length & 0xff);
    return file + packs;
}

} // namespace lccd
