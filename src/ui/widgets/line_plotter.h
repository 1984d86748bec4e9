#pragma once

#include "core/drawing/canvas.h"

#include <QImage>
#include <QPoint>
#include <QRect>

namespace brelo {

// Plots a line into an RGB32 image, on its device pixels, as the original
// platform's cosmetic pens draw lines: Bresenham from the first pixel up to,
// but not including, the last one (a shape drawn at a line's end keeps its
// pixel), broken lines as runs of pixels along the major axis, a wide pen as a
// square centred on each pixel. `ratio` is the image's device pixel ratio: the
// dashes and wide pens keep their size on the screen. Returns the device
// pixels it may have changed.
QRect plotLine(QImage &image, QPoint from, QPoint to, QRgb color, int penWidth, LineStyle style, double ratio);

} // namespace brelo
