#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <array>
#include <vector>

namespace lccd {

// A set of code page 932 characters, given as a string of them. Membership is by whole
// characters: the trail byte of a double-byte character in the string is no member of its own.
class SjisCharSet {
public:
    explicit SjisCharSet(const QByteArray& characters);

    // character holds the bytes of one character of the text; an empty one is never a member.
    bool contains(QByteArrayView character) const;

private:
    std::array<bool, 256> singleBytes_{};
    std::vector<quint16> doubleBytes_; // sorted
};

} // namespace lccd
