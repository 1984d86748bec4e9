#pragma once

#include <algorithm>
#include <vector>

namespace brelo {

// For each row of a picture, the columns its drawings may have written since
// it was last all background: the rest of the row is background for sure, so
// a clear fills and a comparison reads only these columns. The layout's
// drawing covers a few bands of rows; the disc, its own square.
class DrawnRows {
public:
    struct Span {
        int left, right;  // right excluded; left >= right when nothing was drawn
    };

    // A picture of width × height pixels, all background.
    void reset(int width, int height)
    {
        width_ = width;
        spans_.assign(static_cast<std::size_t>(std::max(height, 0)), kNothing);
    }

    void mark(int y, int left, int right)
    {
        if (y < 0 || y >= static_cast<int>(spans_.size()))
            return;
        Span &span = spans_[static_cast<std::size_t>(y)];
        span.left = std::min(span.left, std::max(left, 0));
        span.right = std::max(span.right, std::min(right, width_));
    }
    void markRect(int left, int top, int right, int bottom)
    {
        for (int y = std::max(top, 0); y < std::min(bottom, height()); ++y)
            mark(y, left, right);
    }
    // What either picture may hold: after part of one was copied onto the other.
    void add(const DrawnRows &other)
    {
        for (std::size_t y = 0; y < spans_.size() && y < other.spans_.size(); ++y)
            mark(static_cast<int>(y), other.spans_[y].left, other.spans_[y].right);
    }

    int height() const { return static_cast<int>(spans_.size()); }
    Span span(int y) const { return spans_[static_cast<std::size_t>(y)]; }
    // The columns of row y that either of two pictures may have drawn.
    static Span either(const DrawnRows &a, const DrawnRows &b, int y)
    {
        const Span one = a.span(y);
        const Span two = b.span(y);
        if (one.left >= one.right)
            return two;
        if (two.left >= two.right)
            return one;
        return {std::min(one.left, two.left), std::max(one.right, two.right)};
    }

private:
    static constexpr Span kNothing{1 << 30, -(1 << 30)};

    int width_ = 0;
    std::vector<Span> spans_;
};

} // namespace brelo
