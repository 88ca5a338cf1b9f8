#include "render/SjisCharSet.h"

#include "platform/CodePage.h"

#include <algorithm>

namespace lccd {
namespace {

quint16 doubleByteCode(uchar lead, uchar trail) {
    return quint16(lead << 8 | trail);
}

} // namespace

SjisCharSet::SjisCharSet(const QByteArray& characters) {
    const auto* bytes = reinterpret_cast<const uchar*>(characters.constData());
    for (qsizetype i = 0; i < characters.size(); ++i) {
        if (isSjisLeadByte(bytes[i]) && i + 1 < characters.size()) {
            doubleBytes_.push_back(doubleByteCode(bytes[i], bytes[i + 1]));
            ++i;
        } else {
            singleBytes_[bytes[i]] = true;
        }
    }
    std::sort(doubleBytes_.begin(), doubleBytes_.end());
}

bool SjisCharSet::contains(QByteArrayView character) const {
    const auto* bytes = reinterpret_cast<const uchar*>(character.data());
    switch (character.size()) {
    case 1:
        return singleBytes_[bytes[0]];
    case 2:
        return std::binary_search(doubleBytes_.begin(), doubleBytes_.end(),
                                  doubleByteCode(bytes[0], bytes[1]));
    default:
        return false;
    }
}

} // namespace lccd
