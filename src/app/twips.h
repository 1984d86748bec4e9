#pragma once

#include <QRect>
#include <QtGlobal>

namespace brelo {

// Window positions are designed in twips, 15 to a logical pixel; Qt scales
// logical pixels for HiDPI screens itself.
inline constexpr int kTwipsPerPixel = 15;

inline int twipsToPixels(double twips) { return qRound(twips / kTwipsPerPixel); }

inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

// Controls of a tab page are designed relative to the tab control, tab strip
// included; a Qt page starts below its tab bar, this many twips down.
inline constexpr int kPageTopTwips = 390;

inline QRect pageRect(int left, int top, int width, int height)
{
    return twipsRect(left, top - kPageTopTwips, width, height);
}

} // namespace brelo
