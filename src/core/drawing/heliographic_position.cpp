#include "core/drawing/heliographic_position.h"

#include "core/common/translate.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace brelo {

namespace {

// The true π: these coordinates decide no digit of the ephemeris page, and the
// picture's own 3.14 and 3.1415927 move it by less than a unit.
double radians(double degrees) { return degrees * std::numbers::pi / 180.0; }
double degrees(double radians) { return radians * 180.0 / std::numbers::pi; }

struct Plane {
    double x, y;
};

// Sky plane (x towards celestial West, y towards celestial North, unit
// radius) to the picture, and back: the picture has west on the right and y
// downwards, then the whole turned counter-clockwise on the screen.
Plane toPicture(const DiscOrientation &disc, Plane sky)
{
    const double c = std::cos(radians(disc.turnDeg)), s = std::sin(radians(disc.turnDeg));
    const double x = disc.radius * sky.x, y = -disc.radius * sky.y;
    return {x * c + y * s, -x * s + y * c};
}

Plane toSky(const DiscOrientation &disc, double x, double y)
{
    const double c = std::cos(radians(disc.turnDeg)), s = std::sin(radians(disc.turnDeg));
    return {(x * c - y * s) / disc.radius, -(x * s + y * c) / disc.radius};
}

// The solar frame (x towards the solar West, y towards the solar north pole
// projected) turned by P: its north goes to position angle P, east of north.
Plane solarToSky(const DiscOrientation &disc, Plane solar)
{
    const double c = std::cos(radians(disc.positionAngleDeg)), s = std::sin(radians(disc.positionAngleDeg));
    return {solar.x * c - solar.y * s, solar.x * s + solar.y * c};
}

Plane skyToSolar(const DiscOrientation &disc, Plane sky)
{
    const double c = std::cos(radians(disc.positionAngleDeg)), s = std::sin(radians(disc.positionAngleDeg));
    return {sky.x * c + sky.y * s, -sky.x * s + sky.y * c};
}

// "-40,1" to the nearest tenth, never "-0,0".
std::string tenthsText(long long tenths, char sep)
{
    const long long magnitude = tenths < 0 ? -tenths : tenths;
    std::string text = tenths < 0 ? "-" : "";
    text += std::to_string(magnitude / 10);
    text += sep;
    text += std::to_string(magnitude % 10);
    return text;
}

long long tenthsOf(double degrees) { return std::llround(degrees * 10.0); }

} // namespace

DiscPoint discPoint(const DiscOrientation &disc, double latitudeDeg, double centralMeridianDeg)
{
    // Orthographic view of the unit sphere from a direction at latitude B0.
    const double b = radians(latitudeDeg), l = radians(centralMeridianDeg), b0 = radians(disc.latitudeB0Deg);
    const double x = std::cos(b) * std::sin(l);
    const double y = std::sin(b) * std::cos(b0) - std::cos(b) * std::cos(l) * std::sin(b0);
    const double towardsUs = std::sin(b) * std::sin(b0) + std::cos(b) * std::cos(l) * std::cos(b0);
    const Plane at = toPicture(disc, solarToSky(disc, {x, y}));
    return {at.x, at.y, towardsUs >= 0.0};
}

std::optional<HeliographicPosition> heliographicPosition(const DiscOrientation &disc, double x, double y)
{
    const Plane solar = skyToSolar(disc, toSky(disc, x, y));
    const double inPlane = solar.x * solar.x + solar.y * solar.y;
    if (!(inPlane <= 1.0))
        return std::nullopt;
    const double towardsUs = std::sqrt(1.0 - inPlane);
    const double b0 = radians(disc.latitudeB0Deg);
    const double sinB = solar.y * std::cos(b0) + towardsUs * std::sin(b0);
    const double meridianPlane = towardsUs * std::cos(b0) - solar.y * std::sin(b0);
    HeliographicPosition position;
    position.latitudeDeg = degrees(std::asin(std::clamp(sinB, -1.0, 1.0)));
    position.centralMeridianDeg = degrees(std::atan2(solar.x, meridianPlane));
    const double carrington = std::fmod(disc.longitudeL0Deg + position.centralMeridianDeg, 360.0);
    position.carringtonDeg = carrington < 0.0 ? carrington + 360.0 : carrington;
    if (position.carringtonDeg >= 360.0)
        position.carringtonDeg = 0.0;
    return position;
}

std::string heliographicText(const std::optional<HeliographicPosition> &position, char sep)
{
    if (!position)
        return translated("drawing", "hors du disque");
    // The Carrington longitude is rounded before it wraps: 359.96 reads 0,0.
    const long long carrington = (tenthsOf(position->carringtonDeg) % 3600 + 3600) % 3600;
    return "B = " + tenthsText(tenthsOf(position->latitudeDeg), sep) + "° · L(MC) = "
           + tenthsText(tenthsOf(position->centralMeridianDeg), sep) + "° · L(Carrington) = "
           + tenthsText(carrington, sep) + "°";
}

} // namespace brelo
