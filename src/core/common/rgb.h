#pragma once

#include <cstdint>

namespace brelo {

// A 24-bit colour as the window gives it: RGB(255, 80, 0).
struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    friend bool operator==(const Rgb &, const Rgb &) = default;
};

} // namespace brelo
