#pragma once

#include "core/drawing/canvas.h"

namespace brelo {

// Capital letters drawn with straight segments, for pictures whose canvas has
// no text: the letters of the compass marks and of the zenith (N, E, S, W, Z).
// The letter stands upright, centred on (x, y), in a width × height box of
// user units. Any other character draws nothing.
void drawStrokeLetter(Canvas &canvas, char letter, float x, float y, float width, float height,
                      CanvasColor color);

} // namespace brelo
