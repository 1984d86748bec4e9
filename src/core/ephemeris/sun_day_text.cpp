#include "core/ephemeris/sun_day_text.h"

#include "core/common/translate.h"
#include "core/ephemeris/ephemeris_text.h"

#include <cstdio>

namespace brelo {

namespace {

using namespace std::chrono;

struct ClockParts {
    long long hours, minutes, seconds;
};

ClockParts partsOf(seconds length)
{
    const long long s = length.count();
    return {s / 3600, s / 60 % 60, s % 60};
}

} // namespace

std::string utClockText(sys_seconds instant, sys_days date)
{
    const sys_days day = floor<days>(instant);
    const ClockParts clock = partsOf(instant - day);
    char text[32];
    std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", clock.hours, clock.minutes, clock.seconds);
    const std::string time = filled(translated("ephemeris", "%1 TU"), {text});
    if (day < date)
        return filled(translated("ephemeris", "%1 (la veille)"), {time});
    if (day > date)
        return filled(translated("ephemeris", "%1 (le lendemain)"), {time});
    return time;
}

std::string utDateTimeText(sys_seconds instant)
{
    const sys_days day = floor<days>(instant);
    const year_month_day date{day};
    const ClockParts clock = partsOf(instant - day);
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u %02lld:%02lld:%02lld", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()), clock.hours,
                  clock.minutes, clock.seconds);
    return text;
}

std::string durationText(seconds length)
{
    const ClockParts clock = partsOf(length);
    char text[48];
    std::snprintf(text, sizeof text, "%lld h %02lld min %02lld s", clock.hours, clock.minutes,
                  clock.seconds);
    return text;
}

std::string sunDayHeading(const SunDay &day, const EphemerisInput &in)
{
    const year_month_day date{day.date};
    char text[32];
    std::snprintf(text, sizeof text, "%02u/%02u/%04d", static_cast<unsigned>(date.day()),
                  static_cast<unsigned>(date.month()), static_cast<int>(date.year()));
    return filled(translated("ephemeris", "Journée du %1 à latitude %2° %3', longitude %4° %5' (+ à l'Est)"),
                  {text, in.txtlatideg, in.txtlatimin, in.txtlongideg, in.txtlongimin});
}

SunDayTexts sunDayTexts(const SunDay &day, char sep)
{
    SunDayTexts texts;
    const auto clock = [&day](const std::optional<SunEvent> &event) {
        return utClockText(event->instant, day.date);
    };
    switch (day.kind) {
    case DayKind::AlwaysUp:
        texts.rise = texts.set = translated("ephemeris", "Soleil levé toute la journée");
        break;
    case DayKind::AlwaysDown:
        texts.rise = texts.set = translated("ephemeris", "Soleil couché toute la journée");
        break;
    case DayKind::NoRise:
        texts.rise = translated("ephemeris", "Pas de lever : Soleil levé depuis la veille");
        texts.set = clock(day.set);
        break;
    case DayKind::NoSet:
        texts.rise = clock(day.rise);
        texts.set = translated("ephemeris", "Pas de coucher : Soleil levé jusqu'au lendemain");
        break;
    case DayKind::RisesAndSets:
        texts.rise = clock(day.rise);
        texts.set = clock(day.set);
        break;
    }
    texts.transit = utClockText(day.transit.instant, day.date);
    texts.transitAltitude = shownText(day.transitAltitudeDeg, sep) + "°";
    texts.dayLength = durationText(day.dayLength);
    return texts;
}

} // namespace brelo
