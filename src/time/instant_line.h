#pragma once

#include <QDateTime>
#include <QString>
#include <QTimeZone>

#include <optional>

namespace brelo {

// The instant of a Julian Day of Universal Time, rounded to the millisecond
// (the day's fraction carries the rounding of hours / 24 + minutes / 1440).
// Invalid when the day is not finite or lies beyond a million years.
QDateTime instantOfJulianDay(double julianDay);

// "07/12/2026 20:05": the instant's civil date and time in the zone, seconds dropped.
QString dateTimeText(const QDateTime &instant, const QTimeZone &zone);

// "CET, UTC+01:00": the zone's abbreviation and its offset at that instant.
QString zoneText(const QDateTime &instant, const QTimeZone &zone);

// « Heure locale : 07/12/2026 20:05 (CET, UTC+01:00) » for the ephemeris page;
// a dash after the caption when there is no instant to convert.
QString localTimeLine(std::optional<double> julianDay, const QTimeZone &zone);

} // namespace brelo
