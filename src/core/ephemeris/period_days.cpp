#include "core/ephemeris/period_days.h"

#include "core/common/translate.h"

#include <cstdio>

namespace brelo {

using std::chrono::sys_days;

std::string dateText(sys_days date)
{
    const std::chrono::year_month_day d{date};
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(d.year()), static_cast<unsigned>(d.month()),
                  static_cast<unsigned>(d.day()));
    return text;
}

Outcome<PeriodDays> PeriodDays::make(sys_days first, sys_days last, const ObserverPosition &observer, char sep)
{
    using Failure = Outcome<PeriodDays>;
    if (last < first)
        return Failure::failure(filled(translated("ephemeris", "La fin de la période (%1) précède son début (%2)."),
                                       {dateText(last), dateText(first)}));
    const auto spans = static_cast<unsigned long long>((last - first).count());
    if (spans >= kMaxRows)
        return Failure::failure(filled(translated("ephemeris", "La période compte %1 jours, plus que les %2 d'un "
                                                               "tableau : raccourcissez la période."),
                                       {groupedCount(spans + 1), groupedCount(kMaxRows)}));
    const Outcome<DayPlace> place = dayPlaceOf(observer, sep);
    if (!place.ok())
        return Failure::failure(place.error());
    // Both ends, so that a period running beyond the years of the theory is
    // refused as a whole rather than row by row.
    for (const sys_days end : {first, last}) {
        const Outcome<SunDay> day = sunDay(place.value(), end, sep);
        if (!day.ok())
            return Failure::failure(day.error());
    }
    return Outcome<PeriodDays>::success(PeriodDays(first, static_cast<std::size_t>(spans) + 1, place.value(), sep));
}

} // namespace brelo
