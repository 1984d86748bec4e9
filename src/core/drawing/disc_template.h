#pragma once

#include "core/common/outcome.h"

#include <optional>
#include <string_view>

namespace brelo {

class Canvas;

// A printed disc to sketch on. Its user coordinates have one unit for 0.1 mm
// on paper, (0, 0) at the disc's centre, y downwards: a printer maps them at
// true size when the canvas it gives covers templateSideMm(d) × templateSideMm(d)
// of paper (inner size templateSideMm(d) / 25.4 × 1440 twips) and the drawing
// sets setTemplateUserScale on it. Pen widths are in screen pixels (1/96 inch).
inline constexpr double kTemplateUnitMm = 0.1;
inline constexpr double kDefaultTemplateDiameterMm = 150.0;
inline constexpr double kTemplateMarginMm = 12.0;  // around the disc, for the compass letters
inline constexpr double kSmallestTemplateMm = 20.0;
inline constexpr double kLargestTemplateMm = 250.0;  // with its margins, across an A3 sheet

struct DiscTemplate {
    double diameterMm = kDefaultTemplateDiameterMm;
    double positionAngleDeg = 0.0;  // P, positive towards the East
    double latitudeB0Deg = 0.0;     // B0
    // Zenith up: the disc turned counter-clockwise on the paper by this many
    // degrees (zenithUpTurnDeg of the north–zenith angle) and a zenith mark
    // drawn instead of the letters N, E, S, W.
    std::optional<double> zenithTurnDeg;
};

// Side of the square the drawing covers, in mm: the disc and its margins.
double templateSideMm(double diameterMm);
// The disc's radius in user units.
double templateRadius(double diameterMm);
void setTemplateUserScale(Canvas &canvas, double diameterMm);

// The diameter field read as millimetres, or a French message: "Gabarit
// impossible : le diamètre du disque (« abc ») n'est pas un nombre.", or
// "... doit être compris entre 20 et 250 mm.".
Outcome<double> templateDiameterOf(std::string_view text, char decimalSeparator);

// The template, black on the canvas's background: the limb; the parallels and
// meridians every 10° on the visible hemisphere; the equator and the rotation
// axis between the poles drawn with a wider pen, with a ring at each pole;
// then N, E, S, W beyond the rim, or the zenith mark.
void drawDiscTemplate(Canvas &canvas, const DiscTemplate &disc);

} // namespace brelo
