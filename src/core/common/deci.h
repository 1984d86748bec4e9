#pragma once

#include <cmath>

namespace brelo {

// Cuts a shown value down to three decimals, towards minus infinity
// (-35.2941 gives -35.295). The product and the floor are formed in the
// precision of the argument, so a float and a double of the same value can
// give different last digits; the result is single precision either way.
inline float deci(float y)
{
    const float scaled = y * 1000.0f;
    return std::floor(scaled) / 1000.0f;
}

inline float deci(double y)
{
    const double scaled = y * 1000.0;
    return static_cast<float>(std::floor(scaled) / 1000.0);
}

} // namespace brelo
