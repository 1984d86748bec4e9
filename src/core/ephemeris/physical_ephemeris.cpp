#include "core/ephemeris/physical_ephemeris.h"

#include "core/common/angles.h"
#include "core/ephemeris/inverse_trig.h"
#include "core/ephemeris/sign.h"
#include "core/ephemeris/turn_reduction.h"

#include <cmath>

namespace brelo {

double etaInQuadrant(double eta, double sunFromNode)
{
    const double etaRad = degToRad(eta);
    const double fromNodeRad = degToRad(sunFromNode);
    if (signOf(std::sin(fromNodeRad)) == signOf(std::sin(etaRad))
        && signOf(std::cos(fromNodeRad)) == signOf(std::cos(etaRad)))
        return eta + 180.0;
    return eta;
}

std::optional<PhysicalEphemeris> physicalEphemeris(double jd, double r, double lambda,
                                                   double deltaPsi, double epsilon)
{
    const double inclination = kSolarEquatorInclination;
    PhysicalEphemeris p;
    p.rotation = (jd - 2398220.0) * 360.0 / 25.38;
    p.node = 73.6667 + 1.3958333 * (jd - 2396758.0) / 36525.0;
    // 20.49" of aberration divided by R.
    p.sunLongitude = lambda - 0.0056916 / r;
    p.nutatedLongitude = p.sunLongitude + deltaPsi;
    const double fromNode = p.sunLongitude - p.node;
    p.xRad = std::atan(-std::cos(degToRad(p.nutatedLongitude)) * std::tan(degToRad(epsilon)));
    p.yRad = std::atan(-std::cos(degToRad(fromNode)) * std::tan(degToRad(inclination)));
    // float: P and B0 are kept in single precision for the labels and the disc drawing.
    p.positionAngle = static_cast<float>(radToDeg(p.xRad + p.yRad));
    p.latitudeB0 = static_cast<float>(
        radToDeg(asinSingle(std::sin(degToRad(fromNode)) * std::sin(degToRad(inclination)))));
    // One-argument arctangent and its own quadrant rule, not atan2: they decide the digits.
    p.eta = etaInQuadrant(
        radToDeg(std::atan(std::tan(degToRad(fromNode)) * std::cos(degToRad(inclination)))),
        fromNode);
    const auto l0 = reduceToTurn(p.eta - p.rotation);
    if (!l0)
        return std::nullopt;
    p.longitudeL0 = *l0;
    return p;
}

} // namespace brelo
