#include "platform/codecs/Mp4Atoms.h"

#include <QtEndian>

#include <algorithm>
#include <array>
#include <string_view>

namespace lccd {
namespace {

// The atoms whose contents are atoms, as tag writers descend into them.
constexpr std::array<std::string_view, 11> kContainers = {
    "moov", "udta", "mdia", "meta", "ilst", "stbl", "minf", "moof", "traf", "trak", "stsd"};

// What "meta" may hold first when it is written without the version and flags of a full atom.
constexpr std::array<std::string_view, 5> kMetaChildren = {"hdlr", "ilst", "mhdr", "ctry", "lang"};

// Deeper trees than this are no song's; walking them would only spend the stack.
constexpr int kMaxDepth = 16;

bool isOneOf(QByteArrayView name, const auto& names) {
    for (std::string_view known : names)
        if (name == QByteArrayView(known.data(), qsizetype(known.size())))
            return true;
    return false;
}

quint32 big32(const QByteArray& file, qint64 at) {
    return qFromBigEndian<quint32>(file.constData() + at);
}

// The atoms from `begin` to `end`, each inside that range, and their contents in turn.
bool atomsFit(const QByteArray& file, qint64 begin, qint64 end, int depth) {
    if (depth > kMaxDepth)
        return false;
    for (qint64 at = begin; at < end;) {
        // QuickTime ends some lists of atoms with four zero bytes
        if (end - at < 8)
            return depth > 0 && std::all_of(file.constData() + at, file.constData() + end,
                                            [](char byte) { return byte == 0; });
        const QByteArrayView name(file.constData() + at + 4, 4);
        qint64 header = 8;
        qint64 length = big32(file, at);
        if (length == 1) { // a 64-bit length follows the name
            if (end - at < 16)
                return false;
            length = qint64(qFromBigEndian<quint64>(file.constData() + at + 8));
            header = 16;
        } else if (length == 0) { // the atom runs to the end
            length = end - at;
        }
        if (length < header || length > end - at)
            return false;
        if (isOneOf(name, kContainers)) {
            qint64 children = at + header;
            if (name == "stsd")
                children += 8;
            else if (name == "meta" && children + 8 <= at + length &&
                     !isOneOf(QByteArrayView(file.constData() + children + 4, 4), kMetaChildren))
                children += 4; // version and flags
            if (children > at + length || !atomsFit(file, children, at + length, depth + 1))
                return false;
        }
        at += length;
    }
    return true;
}

} // namespace

bool mp4AtomsFitTheirFile(const QByteArray& file) {
    return atomsFit(file, 0, file.size(), 0);
}

} // namespace lccd
