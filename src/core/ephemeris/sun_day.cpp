#include "core/ephemeris/sun_day.h"

#include "core/common/translate.h"
#include "core/ephemeris/local_sun.h"
#include "core/ephemeris/sun_day_text.h"
#include "core/ephemeris/turn_reduction.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace brelo {

namespace {

using namespace std::chrono;

constexpr double kUnixEpochJd = 2440587.5;
constexpr double kSecondInDays = 1.0 / 86400.0;
// The hour angle grows by about 360° a day; as the iteration's slope it
// converges by a factor of 300 a step (the Sun's own motion is the rest).
constexpr double kHourAngleRate = 360.0;
constexpr double kTolerance = 1e-3 * kSecondInDays;
constexpr int kMaxSteps = 60;

// The solar theory's polynomials are meaningful for some millennia either
// side of 2000; beyond, the times would be a made-up number.
constexpr sys_days kFirstDay{year{-8000} / January / 1};
constexpr sys_days kLastDay{year{12000} / December / 31};


double julianDayOf(sys_days day) { return static_cast<double>(day.time_since_epoch().count()) + kUnixEpochJd; }

sys_seconds instantOf(double jd)
{
    return sys_seconds{seconds{std::llround((jd - kUnixEpochJd) * 86400.0)}};
}

// The Sun of one place at any instant, and the instants where it crosses a
// given hour angle or the rise-and-set altitude.
class DayFinder {
public:
    explicit DayFinder(DayPlace place) : place_(place) {}

    std::optional<LocalSun> at(double jd) const
    {
        return localSun(jd, place_.latitudeDeg, place_.longitudeDeg);
    }

    // Near `guess`, where the hour angle is `targetDeg` (0 for the transit,
    // 180 for the lower culmination).
    std::optional<double> hourAngleCrossing(double guess, double targetDeg) const
    {
        double jd = guess;
        for (int step = 0; step < kMaxSteps; ++step) {
            const auto sun = at(jd);
            const auto off = sun ? reduceToHalfTurns(sun->hourAngleDeg - targetDeg) : std::nullopt;
            if (!off)
                return std::nullopt;
            const double correction = *off / kHourAngleRate;
            jd -= correction;
            if (std::fabs(correction) < kTolerance)
                return jd;
        }
        return std::nullopt;  // it converges in a few steps wherever the theory holds
    }

    std::optional<bool> above(double jd) const
    {
        const auto sun = at(jd);
        if (!sun)
            return std::nullopt;
        return sun->altitudeDeg > kRiseSetAltitudeDeg;
    }

    // Between two instants on either side of the rise-and-set altitude, by
    // halving: robust where the Sun grazes it and the slope vanishes.
    std::optional<double> altitudeCrossing(double from, double to, bool aboveAtFrom) const
    {
        while (to - from > kTolerance) {
            const double middle = from + (to - from) / 2.0;
            const auto side = above(middle);
            if (!side)
                return std::nullopt;
            (*side == aboveAtFrom ? from : to) = middle;
        }
        return from + (to - from) / 2.0;
    }

private:
    DayPlace place_;
};

// The day's frame: the lower culminations before and after the transit, and
// on which side of the rise-and-set altitude the Sun is at each of the three.
struct DayFrame {
    std::array<double, 3> jd{};  // lower culmination, transit, lower culmination
    std::array<bool, 3> above{};
    float transitAltitude = 0.0f;
};

std::optional<DayFrame> dayFrame(const DayFinder &finder, double transitGuess)
{
    const auto transit = finder.hourAngleCrossing(transitGuess, 0.0);
    if (!transit)
        return std::nullopt;
    const auto before = finder.hourAngleCrossing(*transit - 0.5, 180.0);
    const auto after = finder.hourAngleCrossing(*transit + 0.5, 180.0);
    if (!before || !after)
        return std::nullopt;
    DayFrame frame;
    frame.jd = {*before, *transit, *after};
    for (std::size_t i = 0; i < 3; ++i) {
        const auto sun = finder.at(frame.jd[i]);
        if (!sun)
            return std::nullopt;
        frame.above[i] = sun->altitudeDeg > kRiseSetAltitudeDeg;
        if (i == 1)
            frame.transitAltitude = sun->altitudeDeg;
    }
    return frame;
}

SunEvent eventAt(double jd) { return {jd, instantOf(jd)}; }

// A crossing in each half of the day where the side changes: upwards it is
// the rise, downwards the set. Both halves cannot cross the same way.
bool findEvents(const DayFinder &finder, const DayFrame &frame, SunDay &day)
{
    for (std::size_t half = 0; half < 2; ++half) {
        if (frame.above[half] == frame.above[half + 1])
            continue;
        const auto jd = finder.altitudeCrossing(frame.jd[half], frame.jd[half + 1], frame.above[half]);
        if (!jd)
            return false;
        (frame.above[half + 1] ? day.rise : day.set) = eventAt(*jd);
    }
    return true;
}

DayKind kindOf(const DayFrame &frame, const SunDay &day)
{
    const auto up = std::count(frame.above.begin(), frame.above.end(), true);
    if (up == 3)
        return DayKind::AlwaysUp;
    if (up == 0)
        return DayKind::AlwaysDown;
    if (!day.rise)
        return DayKind::NoRise;
    if (!day.set)
        return DayKind::NoSet;
    return DayKind::RisesAndSets;
}

// The time above the rise-and-set altitude between the two lower
// culminations, from the instants as rounded to the second.
seconds timeAbove(const DayFrame &frame, const SunDay &day)
{
    std::vector<sys_seconds> marks{instantOf(frame.jd[0])};
    for (const auto &event : {day.rise, day.set})
        if (event)
            marks.push_back(event->instant);
    std::sort(marks.begin() + 1, marks.end());
    marks.push_back(instantOf(frame.jd[2]));
    seconds total{0};
    bool above = frame.above[0];
    for (std::size_t i = 0; i + 1 < marks.size(); ++i, above = !above)
        if (above)
            total += marks[i + 1] - marks[i];
    return total;
}

seconds dayLengthOf(const DayFrame &frame, const SunDay &day)
{
    switch (day.kind) {
    case DayKind::AlwaysUp:
        return hours{24};
    case DayKind::AlwaysDown:
        return seconds{0};
    case DayKind::RisesAndSets:
        if (day.rise->instant < day.set->instant)
            return day.set->instant - day.rise->instant;
        break;
    case DayKind::NoRise:
    case DayKind::NoSet:
        break;
    }
    return timeAbove(frame, day);
}

} // namespace

Outcome<SunDay> sunDay(const DayPlace &place, sys_days date, char sep)
{
    if (date < kFirstDay || date > kLastDay)
        return Outcome<SunDay>::failure(impossibleCalculation(translated(
            "ephemeris", "le lever et le coucher du Soleil ne se calculent que du 1er janvier -8000 au 31 décembre 12000.")));
    if (!(std::fabs(place.latitudeDeg) <= 90.0 && std::fabs(place.longitudeDeg) <= 180.0))
        return Outcome<SunDay>::failure(ephemerisOutOfRange());
    const DayFinder finder(place);
    // 12 h local mean time: the day is the place's own whatever its longitude.
    const double meanNoon = julianDayOf(date) + 0.5 - place.longitudeDeg / 360.0;
    const auto frame = dayFrame(finder, meanNoon);
    SunDay day;
    if (!frame || !findEvents(finder, *frame, day))
        return Outcome<SunDay>::failure(ephemerisOutOfRange());
    day.date = date;
    day.transit = eventAt(frame->jd[1]);
    day.transitAltitudeDeg = frame->transitAltitude;
    day.kind = kindOf(*frame, day);
    day.dayLength = dayLengthOf(*frame, day);
    day.texts = sunDayTexts(day, sep);
    return Outcome<SunDay>::success(day);
}

} // namespace brelo
