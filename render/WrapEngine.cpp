#include "render/WrapEngine.h"

#include "platform/CodePage.h"
#include "render/SjisCharSet.h"
#include "render/WrapWindow.h"

#include <algorithm>

namespace lccd {
namespace {

constexpr int kMinWrapByte = 20;
constexpr int kMaxWrapByte = 250;

// Wraps the lines of one text with one set of options, appending the rows to the result. The
// break of a row is a character index into the window of the text still to place.
class LineWrapper {
public:
    LineWrapper(const WrapOption& options, QList<WrappedRow>& rows)
        : options_(options), width_(std::clamp(options.WrapByte, kMinWrapByte, kMaxWrapByte)),
          tabSpaceCount_(std::max(options.TabSpaceCount, 1)), punctuation_(options.PunctuationStr),
          lead_(options.LeadStr), follow_(options.FollowStr), rows_(rows) {}

    void wrap(QByteArrayView line) {
        QByteArrayView rest = line;
        for (;;) {
            window_.classify(rest, width_, tabSpaceCount_);
            if (window_.coversRest() && window_.columns() < width_) {
                rows_.append({rest.toByteArray(), RowMark::LineEnd});
                return;
            }
            const int bytes = window_.bytesBefore(breakIndex());
            rows_.append({rest.first(bytes).toByteArray(), RowMark::Wrapped});
            rest = rest.sliced(bytes);
            if (rest.isEmpty())
                break;
        }
        if (options_.FollowRetMark)
            rows_.last().mark = RowMark::LineEnd;
        else
            rows_.append({QByteArray(), RowMark::LineEnd});
    }

private:
    int breakIndex() const {
        // The characters that fit in the row width; a double-byte character across the edge
        // goes to the next row, and the word rule then has nothing to do.
        int k = window_.count();
        while (window_.columnsBefore(k) > width_)
            --k;
        const bool splitsDoubleByte = window_.columnsBefore(k) < width_;
        if (options_.WordBreak && !splitsDoubleByte && window_.columns() > width_)
            k = keepWordWhole(k);
        if (options_.FollowPunctuation)
            k = hangPunctuation(k);
        if (options_.Leading)
            k = applyLeadingRule(k);
        return k;
    }

    // Moves the break back to the start of the word it splits, but not into the row's first
    // third: a longer word is cut there.
    int keepWordWhole(int k) const {
        while (window_.columnsBefore(k) > width_ / 3 && window_.endsInWord(k - 1))
            --k;
        return k;
    }

    // Characters of PunctuationStr after the break stay on the row, up to three columns past its
    // width.
    int hangPunctuation(int k) const {
        while (window_.columnsBefore(k) < width_ + 2 && k < window_.count() &&
               punctuation_.contains(window_.character(k)))
            ++k;
        return k;
    }

    // Moves the break back past opening brackets before it, then past characters that must not
    // start a row, as long as the row keeps more than four fifths of its width. The first
    // character always stays, so that every row takes something from the text.
    int applyLeadingRule(int k) const {
        const int shortest = width_ / 5 * 4;
        const auto canMoveBack = [&] { return k > 1 && window_.columnsBefore(k) > shortest; };
        const auto leadBefore = [&] { return lead_.contains(window_.character(k - 1)); };
        const auto followAfter = [&] {
            return k < window_.count() && follow_.contains(window_.character(k));
        };
        if (k < window_.count())
            while (canMoveBack() && leadBefore())
                --k;
        if (window_.columns() - window_.columnsBefore(k) >= 2 && followAfter() && canMoveBack()) {
            --k;
            while (canMoveBack() && (leadBefore() || followAfter()))
                --k;
        }
        return k;
    }

    const WrapOption& options_;
    const int width_;
    const int tabSpaceCount_;
    const SjisCharSet punctuation_;
    const SjisCharSet lead_;
    const SjisCharSet follow_;
    WrapWindow window_;
    QList<WrappedRow>& rows_;
};

} // namespace

QList<WrappedRow> wrapText(const QByteArray& text, const WrapOption& options) {
    QList<WrappedRow> rows;
    LineWrapper wrapper(options, rows);
    for (const QByteArray& line : splitLines(text))
        wrapper.wrap(line);
    return rows;
}

} // namespace lccd
