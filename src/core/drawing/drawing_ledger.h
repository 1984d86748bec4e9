#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace brelo {

// What a picture holds since it was last cleared, as the operations that drew
// it in order: shapes with everything their pixels depend on, and dots as the
// device pixel each one wrote. Two pictures drawn with the same shapes and as
// many dots can differ only where a dot of one or the other landed, so the
// screen's copy of a picture need be compared with a new drawing there alone.
class DrawingLedger {
public:
    // Any operation other than a dot: its kind and what decides the pixels it
    // paints (device coordinates, resolved colours, attributes), in terms the
    // picture chooses.
    struct Shape {
        int kind = 0;
        std::array<double, 4> args{};
        std::array<std::uint32_t, 2> colours{};
        std::array<int, 2> attributes{};
        std::size_t dotsBefore = 0;  // where it stands among the dots
        bool operator==(const Shape &) const = default;
    };
    // A dot that landed outside the picture.
    static constexpr std::uint32_t kMissed = UINT32_MAX;

    // A picture of the background colour alone (cleared, or just allocated).
    void restart();
    // Something was written that the ledger cannot describe.
    void forget() { complete_ = false; }
    bool complete() const { return complete_; }
    const std::vector<Shape> &shapes() const { return shapes_; }

    void addShape(Shape shape);
    struct Dot {
        Dot() {}  // left unset: the room is filled right after it is made
        Dot(std::uint32_t pixel, std::uint32_t colour) : pixel(pixel), colour(colour) {}
        std::uint32_t pixel, colour;
    };
    // Room for the next `count` dots, to be filled in order.
    Dot *addDots(std::size_t count)
    {
        dots_.resize(dots_.size() + count);
        return dots_.data() + dots_.size() - count;
    }

    // The pixels (unsorted, maybe repeated) where a picture drawn as `other`
    // can differ from this one, into `pixels`; false when they can differ
    // anywhere.
    bool differingPixels(const DrawingLedger &other, std::vector<std::uint32_t> &pixels) const;

private:
    bool complete_ = false;
    std::vector<Shape> shapes_;
    std::vector<Dot> dots_;
};

} // namespace brelo
