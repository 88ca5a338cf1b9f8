#pragma once

#include <QByteArrayView>

#include <vector>

namespace lccd {

// The columns that decide where a row breaks: the start of the text still to place, classified
// character by character from column 0 of a new row, and only as far as width + 3 columns (the
// last character may carry past that). Characters are indexed from 0; "before k" means the
// characters 0 to k - 1, that is a break placed in front of character k.
class WrapWindow {
public:
    // Classifies the start of rest for a row of the given width. tabSpaceCount is at least 1.
    void classify(QByteArrayView rest, int width, int tabSpaceCount);

    // Number of characters examined.
    int count() const { return int(characters_.size()); }
    // Columns examined, the fill columns of tabs included.
    int columns() const { return columnsBefore(count()); }
    // True when the examined characters are the whole rest.
    bool coversRest() const { return bytesBefore(count()) == rest_.size(); }

    int columnsBefore(int k) const { return k == 0 ? 0 : characters_[k - 1].columnEnd; }
    int bytesBefore(int k) const { return k == 0 ? 0 : characters_[k - 1].byteEnd; }
    // The bytes of character k: two for a double-byte character, else one.
    QByteArrayView character(int k) const {
        return rest_.sliced(bytesBefore(k), bytesBefore(k + 1) - bytesBefore(k));
    }
    // True when the last column of character k is a word column: a single-byte character
    // outside the delimiter table. Double-byte characters, delimiters and tabs are no words.
    bool endsInWord(int k) const { return characters_[k].endsInWord; }

private:
    struct Character {
        int byteEnd;
        int columnEnd;
        bool endsInWord;
    };

    QByteArrayView rest_;
    std::vector<Character> characters_;
};

} // namespace lccd
