#include "core/ephemeris/sun_day_curve.h"

#include "core/ephemeris/horizontal.h"
#include "core/ephemeris/local_sun.h"

#include <algorithm>

namespace brelo {

double julianDayAtMidnight(std::chrono::sys_days date)
{
    // 1970-01-01 0 h UT is JD 2440587.5.
    return 2440587.5 + static_cast<double>(date.time_since_epoch().count());
}

SunDayMarks sunDayMarks(const SunDay &day, double instantJulianDay)
{
    const auto within = [](double hours) { return hours >= 0.0 && hours <= 24.0 ? std::optional(hours) : std::nullopt; };
    const auto hoursOf = [&](const std::optional<SunEvent> &event) -> std::optional<double> {
        if (!event)
            return std::nullopt;
        return within(std::chrono::duration<double, std::ratio<3600>>(event->instant - day.date).count());
    };
    return {hoursOf(day.rise), hoursOf(day.transit), hoursOf(day.set),
            within((instantJulianDay - julianDayAtMidnight(day.date)) * 24.0)};
}

std::vector<SunCurvePoint> sunDayCurve(const DayPlace &place, std::chrono::sys_days date, int stepMinutes)
{
    constexpr int kMinutesPerDay = 1440;
    const int step = std::max(stepMinutes, 1);
    const double midnight = julianDayAtMidnight(date);
    std::vector<SunCurvePoint> curve;
    curve.reserve(static_cast<std::size_t>(kMinutesPerDay / step + 1));
    for (int minute = 0; minute <= kMinutesPerDay; minute += step) {
        const double jd = midnight + minute / static_cast<double>(kMinutesPerDay);
        const std::optional<LocalSun> sun = localSun(jd, place.latitudeDeg, place.longitudeDeg);
        if (!sun)
            continue;
        curve.push_back({minute / 60.0, sun->altitudeDeg,
                         azimuth(place.latitudeDeg, sun->declinationDeg, sun->hourAngleDeg)});
    }
    return curve;
}

} // namespace brelo
