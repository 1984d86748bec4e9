#pragma once

#include <functional>

class QPainter;
class QRect;
class QStyle;

namespace brelo {

// Whether a style's controls draw inside the painter's clip: a paint split
// into bands then leaves every pixel as one whole paint would. Fusion does; a
// style that may set its own clip is painted whole.
bool drawsInsideClip(const QStyle &style);

// How a frame's first and last band are cut: a frame drawn with lines has
// its long horizontal lines there, which the raster engine fills one pixel
// per span; one stretched from an image fills one span per row.
enum class EdgeBands { Whole, InColumns };

// Calls `draw` once per band of `area`, the painter clipped to the band.
// Qt's raster engine hands a fill of 96 spans or more (a tall border stretched
// from an image, a long outline) to its thread pool: for a control's own
// paint that starts threads and wakes them dozens of times for microseconds
// of work. Bands of fewer device rows (and, for the edges, columns) keep
// every fill in this thread; a fill the cut misses only goes to the pool as
// before. Bands need whole device pixels: at a fractional pixel ratio the
// area is drawn in one piece.
void paintInBands(QPainter &painter, const QRect &area, EdgeBands edges, const std::function<void()> &draw);

} // namespace brelo
