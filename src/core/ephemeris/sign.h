#pragma once

namespace brelo {

// -1, 0 or +1: the quadrant rules compare signs this way, so a zero sine or
// cosine differs from any non-zero one.
inline int signOf(double x)
{
    return (x > 0.0) - (x < 0.0);
}

} // namespace brelo
