#pragma once

#include <functional>

class QPainter;
class QRect;
class QRegion;
class QWidget;

namespace brelo {

struct PaintTarget;

// Paints a control's own look into a copy of its pixels in the window's
// image, clipped to the control's rectangle, and copies the region being
// painted back. Drawn straight into the window, under the window's clip (the
// region less the controls standing on it), a long line or a tall border
// stretched from an image makes Qt's raster engine hand its fill to its
// thread pool: threads started and woken dozens of times at the first paint
// for microseconds of work each. Under one rectangle the same fills stay in
// this thread, and every pixel comes out as drawn in place.
// `draw` gets a painter set up as a widget's style painter (pen, background,
// font, direction, smooth stretching of pixmaps), clipped to the band it draws.
// An image stretched smoothly down a tall edge still fills one span per row:
// with `bandRows` (device rows, under the engine's 96 spans per fill) the
// control is drawn band by band, each band clipped to its rows.
// Returns false, having drawn nothing, where the window's image is out of
// reach pixel for pixel; the caller then paints in place.
bool paintThroughCopy(QWidget &widget, const PaintTarget &target, const QRegion &region,
                      const std::function<void(QPainter &, const QRect &band)> &draw, int bandRows = 0);

} // namespace brelo
