#pragma once

#include <optional>
#include <string>

namespace brelo {

// How the solar disc lies on a picture: centred on (0, 0) of the user
// coordinates, y downwards, celestial north up and east to the left, the
// solar north pole turned towards the East by P and tipped towards the
// observer by B0, the whole picture then turned by `turnDeg` counter-clockwise
// on the screen (the zenith-up view: zenithUpTurnDeg(q); 0 otherwise).
struct DiscOrientation {
    double positionAngleDeg = 0.0;  // P, positive towards the East
    double latitudeB0Deg = 0.0;     // B0, positive when the north pole leans towards us
    double longitudeL0Deg = 0.0;    // L0, Carrington longitude of the disc centre
    double turnDeg = 0.0;
    double radius = 500.0;          // of the disc, in user units (dessinephem's is 500)
};

// Heliographic coordinates of a point of the visible hemisphere, degrees.
// The longitude from the central meridian is positive towards the West limb,
// as observers report it: a spot carried by the rotation goes from -90 at the
// East limb to +90 at the West limb.
struct HeliographicPosition {
    double latitudeDeg = 0.0;         // B, positive to the north
    double centralMeridianDeg = 0.0;  // L(MC), in [-90, 90]
    double carringtonDeg = 0.0;       // L0 + L(MC), in [0, 360)
};

// The point of the picture where the surface point at latitude B and
// longitude L(MC) is seen; `visible` is false for the far hemisphere, whose
// points project inside the disc too.
struct DiscPoint {
    double x = 0.0, y = 0.0;
    bool visible = true;
};
DiscPoint discPoint(const DiscOrientation &disc, double latitudeDeg, double centralMeridianDeg);

// The inverse: what lies under a point of the picture, or nothing off the disc.
std::optional<HeliographicPosition> heliographicPosition(const DiscOrientation &disc, double x, double y);

// The status line's text: "B = 12,3° · L(MC) = -40,1° · L(Carrington) = 215,7°"
// (tenths, rounded), or "hors du disque".
std::string heliographicText(const std::optional<HeliographicPosition> &position, char decimalSeparator);

} // namespace brelo
