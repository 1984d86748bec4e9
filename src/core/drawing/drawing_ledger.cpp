#include "core/drawing/drawing_ledger.h"

#include <algorithm>
#include <cstring>

namespace brelo {

void DrawingLedger::restart()
{
    complete_ = true;
    shapes_.clear();
    dots_.clear();
}

void DrawingLedger::addShape(Shape shape)
{
    shape.dotsBefore = dots_.size();
    shapes_.push_back(shape);
}

// Every pixel outside the dots that changed sees the same operations in the
// same order in both pictures, starting from the same background, so it ends
// the same in both.
bool DrawingLedger::differingPixels(const DrawingLedger &other, std::vector<std::uint32_t> &pixels) const
{
    pixels.clear();
    if (!complete_ || !other.complete_ || shapes_ != other.shapes_ || dots_.size() != other.dots_.size())
        return false;
    // Most dots stay where they were: whole blocks are skipped with one wide compare.
    constexpr std::size_t kBlock = 64;
    for (std::size_t from = 0; from < dots_.size(); from += kBlock) {
        const std::size_t to = std::min(from + kBlock, dots_.size());
        if (std::memcmp(&dots_[from], &other.dots_[from], (to - from) * sizeof(Dot)) == 0)
            continue;
        for (std::size_t i = from; i < to; ++i) {
            const Dot &mine = dots_[i];
            const Dot &theirs = other.dots_[i];
            if (mine.pixel == theirs.pixel && mine.colour == theirs.colour)
                continue;
            for (const std::uint32_t pixel : {mine.pixel, theirs.pixel}) {
                if (pixel != kMissed)
                    pixels.push_back(pixel);
            }
        }
    }
    return true;
}

} // namespace brelo
