#include "core/ephemeris/period_series.h"

#include "core/common/translate.h"

#include <iterator>

namespace brelo {

namespace {

using namespace std::chrono;

const char *const kTitles[] = {
    QT_TRANSLATE_NOOP("ephemeris", "Ascension droite (h)"),
    QT_TRANSLATE_NOOP("ephemeris", "Déclinaison (°)"),
    QT_TRANSLATE_NOOP("ephemeris", "Angle horaire (°, + vers W)"),
    QT_TRANSLATE_NOOP("ephemeris", "Hauteur (°)"),
    QT_TRANSLATE_NOOP("ephemeris", "Azimuth (°, 0 S, 90 W)"),
    QT_TRANSLATE_NOOP("ephemeris", "Distance Terre-Soleil (U.A.)"),
    QT_TRANSLATE_NOOP("ephemeris", "Angle p (°, + vers E)"),
    QT_TRANSLATE_NOOP("ephemeris", "Latitude héliocentrique B0 (°)"),
    QT_TRANSLATE_NOOP("ephemeris", "Longitude héliocentrique L0 (°)"),
    QT_TRANSLATE_NOOP("ephemeris", "Angle Nord-Zenith (°)"),
    QT_TRANSLATE_NOOP("ephemeris", "Rotation de Carrington"),
    QT_TRANSLATE_NOOP("ephemeris", "Lever (h TU)"),
    QT_TRANSLATE_NOOP("ephemeris", "Passage au méridien (h TU)"),
    QT_TRANSLATE_NOOP("ephemeris", "Coucher (h TU)"),
    QT_TRANSLATE_NOOP("ephemeris", "Hauteur au passage (°)"),
    QT_TRANSLATE_NOOP("ephemeris", "Durée du jour (h)"),
};
constexpr std::size_t kFirstDayColumn = 11;

std::optional<double> hoursOf(const std::optional<SunEvent> &event, sys_days date)
{
    if (!event)
        return std::nullopt;
    return duration<double, std::ratio<3600>>(event->instant - date).count();
}

std::optional<double> dayValue(const SunDay &day, std::size_t column)
{
    switch (column - kFirstDayColumn) {
    case 0:
        return hoursOf(day.rise, day.date);
    case 1:
        return hoursOf(day.transit, day.date);
    case 2:
        return hoursOf(day.set, day.date);
    case 3:
        return day.transitAltitudeDeg;
    case 4:
        return duration<double, std::ratio<3600>>(day.dayLength).count();
    default:
        return std::nullopt;
    }
}

} // namespace

std::vector<std::string> seriesColumnTitles()
{
    std::vector<std::string> titles;
    for (const char *title : kTitles)
        titles.push_back(translated("ephemeris", title));
    return titles;
}

std::optional<double> seriesValue(const PeriodRow &row, const std::optional<SunDay> &day, std::size_t column)
{
    const EphemerisValues &v = row.ephemeris.values;
    const double page[] = {v.rightAscensionDeg / 15.0, v.declinationDeg, v.hourAngleDeg, v.altitudeDeg,
                           v.azimuthDeg, v.distanceAu, v.positionAngleDeg, v.latitudeB0Deg,
                           v.longitudeL0Deg, v.northZenithDeg,
                           static_cast<double>(row.carrington.number) + row.carrington.fraction};
    if (column < std::size(page))
        return page[column];
    if (!day || column >= std::size(kTitles))
        return std::nullopt;
    return dayValue(*day, column);
}

Outcome<SunDay> sunDayOfRow(const PeriodTable &table, std::size_t i)
{
    const Outcome<DayPlace> place = dayPlaceOf(table.inputOf(i), table.separator());
    return place.ok() ? sunDay(place.value(), floor<days>(table.instant(i)), table.separator())
                      : Outcome<SunDay>::failure(place.error());
}

PeriodSeries periodSeries(const PeriodTable &table, std::size_t column, std::size_t maxPoints)
{
    PeriodSeries series;
    const std::size_t rows = table.rowCount();
    if (maxPoints > 1 && rows > maxPoints)
        series.rowStep = (rows - 1 + maxPoints - 2) / (maxPoints - 1);
    std::optional<SunDay> day;  // of the last date met: the rows of one date share it
    const auto add = [&](std::size_t i) {
        const Outcome<PeriodRow> row = table.row(i);
        if (!row.ok())
            return;
        const sys_days date = floor<days>(table.instant(i));
        if (column >= kFirstDayColumn && (!day || day->date != date)) {
            const auto found = sunDayOfRow(table, i);
            day = found.ok() ? std::optional(found.value()) : std::nullopt;
        }
        if (const auto value = seriesValue(row.value(), day, column))
            series.points.push_back({table.instant(i), *value});
    };
    for (std::size_t i = 0; i < rows; i += series.rowStep)
        add(i);
    if (rows > 0 && (rows - 1) % series.rowStep != 0)
        add(rows - 1);
    return series;
}

} // namespace brelo
