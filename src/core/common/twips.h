#pragma once

namespace brelo {

// Window positions are designed in twips, 15 to a logical pixel; Qt scales
// logical pixels for HiDPI screens itself.
inline constexpr int kTwipsPerPixel = 15;

// Rounded to the nearest pixel, halves away from zero.
inline int twipsToPixels(double twips)
{
    const double pixels = twips / kTwipsPerPixel;
    return static_cast<int>(pixels >= 0.0 ? pixels + 0.5 : pixels - 0.5);
}

// Controls of a tab page are designed relative to the tab control, tab strip
// included; a Qt page starts below its tab bar, this many twips down.
inline constexpr int kPageTopTwips = 390;

} // namespace brelo
