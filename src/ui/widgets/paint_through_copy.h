#pragma once

#include <functional>

class QPainter;
class QRect;
class QRegion;
class QStyle;
class QWidget;

namespace brelo {

struct PaintTarget;

// How a control is cut for its paint through a copy: whole, or in bands of
// rows. Bands keep a border image stretched down a tall side out of Qt's
// thread pool too, and touch less new memory; they leave every pixel as one
// paint would for drawings of horizontal and vertical lines, images and text,
// but a sloping line may be rasterised from where it crosses a band's edge.
enum class CopyBands { Whole, Rows };

// Bands for a style that draws its frames (the tab pane, a group box) only in
// ways that come out the same cut into bands, as Fusion does; whole otherwise.
CopyBands copyBandsFor(const QStyle &style);

// Paints a control's own look into copies of its pixels in the window's
// image, each painter clipped to one rectangle, and copies the region being
// painted back. Drawn straight into the window, under the window's clip (the
// region less the controls standing on it), a long line or a tall border
// stretched from an image makes Qt's raster engine hand its fill to its
// thread pool: threads started and woken dozens of times at the first paint
// for microseconds of work each. Under one rectangle the same fills stay in
// this thread.
// `draw` gets a painter set up as a widget's style painter (pen, background,
// font, direction, smooth stretching of pixmaps), clipped to the band it draws.
// Returns false, having drawn nothing, where the window's image is out of
// reach pixel for pixel; the caller then paints in place.
bool paintThroughCopy(QWidget &widget, const PaintTarget &target, const QRegion &region, CopyBands bands,
                      const std::function<void(QPainter &, const QRect &band)> &draw);

} // namespace brelo
