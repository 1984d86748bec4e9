#include "core/ephemeris/carrington.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace brelo {

namespace {

constexpr double kEpoch = 2398140.2270;       // JD of rotation 0 by the mean period
constexpr double kSynodicPeriod = 27.2752316;  // days
constexpr double kJulianDayLimit = 1e15;

double sinDeg(double degrees) { return std::sin(degrees * std::numbers::pi / 180.0); }
double cosDeg(double degrees) { return std::cos(degrees * std::numbers::pi / 180.0); }

} // namespace

double carringtonStart(long number)
{
    const double c = static_cast<double>(number);
    const double m = std::fmod(281.96 + 26.882476 * c, 360.0);  // Earth's mean anomaly
    return kEpoch + kSynodicPeriod * c + 0.1454 * sinDeg(m) - 0.0085 * sinDeg(2.0 * m)
           - 0.0141 * cosDeg(2.0 * m);
}

CarringtonRotation carringtonRotation(double julianDay)
{
    if (!std::isfinite(julianDay) || std::fabs(julianDay) >= kJulianDayLimit)
        return {};
    // The periodic terms move a start by at most 0.17 day, so the mean period's
    // guess is off by one rotation at most; a few steps settle it either way.
    long n = static_cast<long>(std::floor((julianDay - kEpoch) / kSynodicPeriod));
    for (int step = 0; step < 4 && julianDay < carringtonStart(n); ++step)
        --n;
    for (int step = 0; step < 4 && julianDay >= carringtonStart(n + 1); ++step)
        ++n;
    const double start = carringtonStart(n);
    const double fraction = (julianDay - start) / (carringtonStart(n + 1) - start);
    // Rounding may bring an instant just short of the next start to 1 exactly.
    return {n, std::clamp(fraction, 0.0, std::nextafter(1.0, 0.0))};
}

std::string carringtonText(const CarringtonRotation &rotation, char sep)
{
    const long long thousandths = static_cast<long long>(rotation.number) * 1000
                                  + static_cast<long long>(std::floor(rotation.fraction * 1000.0));
    const unsigned long long magnitude =
        thousandths < 0 ? 0ULL - static_cast<unsigned long long>(thousandths)
                        : static_cast<unsigned long long>(thousandths);
    const std::string decimals = std::to_string(magnitude % 1000);
    std::string text = thousandths < 0 ? "-" : "";
    text += std::to_string(magnitude / 1000);
    text += sep;
    text.append(3 - decimals.size(), '0');
    text += decimals;
    return text;
}

} // namespace brelo
