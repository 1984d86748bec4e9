#include "core/ephemeris/horizontal.h"

#include "core/common/angles.h"
#include "core/ephemeris/inverse_trig.h"
#include "core/ephemeris/sign.h"
#include "core/ephemeris/turn_reduction.h"

#include <cmath>
#include <limits>

namespace brelo {

namespace {

// A single-precision angle enters later formulas widened to double first.
double singleToRad(float degrees) { return degToRad(static_cast<double>(degrees)); }

// float: "asin(...) × 180 / π" is formed in double from the float and rounded once.
float singleDegrees(float radians) { return static_cast<float>(radToDeg(radians)); }

} // namespace

double rightAscensionInQuadrant(double alpha, double lambda)
{
    const double alphaRad = degToRad(alpha);
    const double lambdaRad = degToRad(lambda);
    if (signOf(std::sin(alphaRad)) != signOf(std::sin(lambdaRad))
        && signOf(std::cos(alphaRad)) != signOf(std::cos(lambdaRad)))
        return alpha + 180.0;
    return alpha;
}

double rightAscension(double lambda, double epsilon)
{
    const double alpha = radToDeg(
        std::atan(std::cos(degToRad(epsilon)) * std::tan(degToRad(lambda))));
    // Within (-90, 270) here; only a non-finite λ fails, and NaN tells the caller.
    return reduceToTurn(rightAscensionInQuadrant(alpha, lambda))
        .value_or(std::numeric_limits<double>::quiet_NaN());
}

float declination(double lambda, double epsilon)
{
    return singleDegrees(asinSingle(std::sin(degToRad(lambda)) * std::sin(degToRad(epsilon))));
}

double siderealTime(double jd, double t)
{
    return 280.46061837 + 360.98564736629 * (jd - 2451545.0) + 0.000387933 * std::pow(t, 2.0)
           - std::pow(t, 3.0) / 38710000.0;
}

std::optional<double> hourAngle(double theta0, double longitude, double alpha)
{
    // Longitude positive towards the East, as the panel's caption says.
    return reduceToHalfTurns(theta0 + longitude - alpha);
}

float altitude(double latitude, float delta, double h)
{
    const double phiRad = degToRad(latitude);
    const double deltaRad = singleToRad(delta);
    return singleDegrees(asinSingle(std::sin(phiRad) * std::sin(deltaRad)
                                    + std::cos(phiRad) * std::cos(deltaRad) * std::cos(degToRad(h))));
}

double azimuth(double latitude, float delta, double h)
{
    const double phiRad = degToRad(latitude);
    const double hRad = degToRad(h);
    const double numerator = std::sin(hRad);
    const double denominator = std::sin(phiRad) * std::cos(hRad)
                               - std::cos(phiRad) * std::tan(singleToRad(delta));
    double az = 0.0;
    if (denominator == 0.0)
        az = 90.0 * signOf(numerator);  // due West or East; on the meridian (zenith) 0
    else
        az = radToDeg(std::atan(numerator / denominator));
    // Not atan2: Az <= 0 east of the meridian, >= 0 west of it, as given for H = 0.
    if (h < 0.0 && az > 0.0)
        az = az - 180.0;
    if (h > 0.0 && az < 0.0)
        az = az + 180.0;
    return az;
}

float northZenithAngle(double latitude, float delta, float altitudeDeg, double h)
{
    const double deltaRad = singleToRad(delta);
    const double altitudeRad = singleToRad(altitudeDeg);
    const double cosQ = (std::sin(degToRad(latitude)) - std::sin(deltaRad) * std::sin(altitudeRad))
                        / (std::cos(deltaRad) * std::cos(altitudeRad));
    const float q = singleDegrees(acosSingle(cosQ));
    return h < 0.0 ? -q : q;
}

} // namespace brelo
