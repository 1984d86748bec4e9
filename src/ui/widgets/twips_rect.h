#pragma once

// Rectangles of the window's design, for the Qt layers (the pure core never
// places widgets).

#include "core/common/twips.h"

#include <QRect>

namespace brelo {

inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

inline QRect pageRect(int left, int top, int width, int height)
{
    return twipsRect(left, top - kPageTopTwips, width, height);
}

} // namespace brelo
