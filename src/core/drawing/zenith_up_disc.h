#pragma once

#include <optional>

namespace brelo {

class Canvas;

// How far the disc turns, counter-clockwise on the screen, to put the zenith
// up: minus the north–zenith angle (see the .cpp for the reasoning).
double zenithUpTurnDeg(float northZenithDeg);

// The solar disc as an alt-azimuth instrument shows it: dessinephem's drawing
// turned about the centre so that the zenith is up, then compass marks (a tick
// and a letter for N, E, S and W at the rim, following the turn) and the
// zenith's arrow with its "Z" in the upper right corner. Drawn through the
// canvas in the disc's user coordinates; the picture's own N/E/S/W labels do
// not follow a turn, so the window hides them while this drawing is shown.
void dessinephemZenithUp(Canvas &canvas, float anglep, std::optional<float> latb0, float northZenithDeg);

} // namespace brelo
