#include "core/ephemeris/period_table.h"

#include "core/common/translate.h"

#include <cstdio>

namespace brelo {

namespace {

using std::chrono::minutes;

constexpr long long kMaxStepMinutes = 1'000'000'000'000LL;  // about two million years

long long minutesPer(StepUnit unit)
{
    switch (unit) {
    case StepUnit::Minutes:
        return 1;
    case StepUnit::Hours:
        return 60;
    case StepUnit::Days:
        return 1440;
    }
    return 1;
}

} // namespace

std::string groupedCount(unsigned long long n, const std::string &separator)
{
    std::string digits = std::to_string(n);
    for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3)
        digits.insert(static_cast<std::size_t>(i), separator);
    return digits;
}

std::optional<UtMinutes> instantOf(const CivilTime &civil)
{
    const std::chrono::year_month_day date{std::chrono::year{civil.year},
                                           std::chrono::month{civil.month},
                                           std::chrono::day{civil.day}};
    if (!date.ok() || civil.hour > 23 || civil.minute > 59)
        return std::nullopt;
    return std::chrono::sys_days{date} + std::chrono::hours{civil.hour} + minutes{civil.minute};
}

CivilTime civilTimeOf(UtMinutes instant)
{
    const auto day = std::chrono::floor<std::chrono::days>(instant);
    const std::chrono::year_month_day date{day};
    const minutes sinceMidnight = instant - day;
    return {static_cast<int>(date.year()), static_cast<unsigned>(date.month()),
            static_cast<unsigned>(date.day()), static_cast<unsigned>(sinceMidnight.count() / 60),
            static_cast<unsigned>(sinceMidnight.count() % 60)};
}

std::string civilTimeText(const CivilTime &c)
{
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u %02u:%02u", c.year, c.month, c.day, c.hour,
                  c.minute);
    return text;
}

Outcome<PeriodTable> PeriodTable::make(const CivilTime &start, const CivilTime &end,
                                       PeriodStep step, ObserverPosition observer, char sep,
                                       const std::string &groupSeparator)
{
    using Failure = Outcome<PeriodTable>;
    const auto from = instantOf(start);
    if (!from)
        return Failure::failure(filled(
            translated("ephemeris", "Le début de la période (%1) n'est pas une date et une heure qui existent."),
            {civilTimeText(start)}));
    const auto to = instantOf(end);
    if (!to)
        return Failure::failure(filled(
            translated("ephemeris", "La fin de la période (%1) n'est pas une date et une heure qui existent."),
            {civilTimeText(end)}));
    if (*to < *from)
        return Failure::failure(filled(translated("ephemeris", "La fin de la période (%1) précède son début (%2)."),
                                       {civilTimeText(end), civilTimeText(start)}));
    if (step.count < 1)
        return Failure::failure(
            filled(translated("ephemeris", "Le pas (%1) doit valoir au moins 1."), {std::to_string(step.count)}));
    if (step.count > kMaxStepMinutes / minutesPer(step.unit))
        return Failure::failure(
            filled(translated("ephemeris", "Le pas (%1) est trop grand."), {std::to_string(step.count)}));
    const minutes stepLength{step.count * minutesPer(step.unit)};
    const auto spans = static_cast<unsigned long long>((*to - *from) / stepLength);
    if (spans >= kMaxRows)
        return Failure::failure(filled(translated("ephemeris", "La période compte %1 instants, plus que les %2 "
                                                               "d'un tableau : allongez le pas ou raccourcissez "
                                                               "la période."),
                                       {groupedCount(spans + 1, groupSeparator),
                                        groupedCount(kMaxRows, groupSeparator)}));

    PeriodTable table(*from, stepLength, static_cast<std::size_t>(spans) + 1, std::move(observer),
                      sep);
    if (const auto fault = firstFieldFault(table.inputOf(0), sep))
        return Failure::failure(*fault);
    return Outcome<PeriodTable>::success(std::move(table));
}

EphemerisInput PeriodTable::inputOf(std::size_t i) const
{
    const CivilTime c = civilTimeOf(instant(i));
    return {std::to_string(c.year),         std::to_string(c.month),
            std::to_string(c.day),          std::to_string(c.hour),
            std::to_string(c.minute),       observer_.latitudeDegrees,
            observer_.latitudeMinutes,      observer_.longitudeDegrees,
            observer_.longitudeMinutes};
}

Outcome<PeriodRow> PeriodTable::row(std::size_t i) const
{
    const EphemerisInput input = inputOf(i);
    Outcome<EphemerisResult> result = calculephem(input, separator_);
    if (!result.ok())
        return Outcome<PeriodRow>::failure(result.error());
    const CarringtonRotation rotation = carringtonRotation(result.value().values.julianDay);
    return Outcome<PeriodRow>::success({civilTimeOf(instant(i)), result.value(), rotation});
}

} // namespace brelo
