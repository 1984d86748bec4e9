#pragma once

#include <optional>

namespace brelo {

class Canvas;

// Inner size of the square Picture3 (6800 twips outside).
inline constexpr double kDiscInnerTwips = 6735.0;

// The disc's user coordinates: left and top -550, 1100 units across, (0, 0) at
// the centre, y downwards.
inline constexpr double kDiscUserLeft = -550.0;
inline constexpr double kDiscUserSpan = 1100.0;
void setDiscUserScale(Canvas &canvas);

// Draws the solar disc oriented by the position angle P (anglep, degrees,
// positive towards the East) and the heliographic latitude B0 (latb0, empty
// before the first ephemeris: read as 0). The canvas must carry the disc's
// user coordinates. Cannot fail.
void dessinephem(Canvas &canvas, float anglep, std::optional<float> latb0);

// The geometric helpers of the disc, kept exactly as the drawing uses them:
// one-argument arctangent, π as 3.1415927f, 3.14 in cercly.
float rotx(float angleDeg, double x, double y);
float roty(float angleDeg, double x, double y);
double cerclx(short radius, double lonDeg, double latDeg, double b0Deg);
double cercly(short radius, double lonDeg, double latDeg, double b0Deg);

} // namespace brelo
