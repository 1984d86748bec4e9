#include "time/instant_line.h"

#include <QCoreApplication>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace brelo {

namespace {

constexpr double kUnixEpochJulianDay = 2440587.5;  // 1970-01-01 00:00 UT
constexpr double kMsPerDay = 86400000.0;
constexpr double kMaxDaysFromEpoch = 365.25e6;

} // namespace

QDateTime instantOfJulianDay(double julianDay)
{
    const double days = julianDay - kUnixEpochJulianDay;
    if (!std::isfinite(days) || std::fabs(days) > kMaxDaysFromEpoch)
        return {};
    // Qt::UTC keeps the instant in the object itself; a UTC time zone object
    // would be built and held for every conversion.
    return QDateTime::fromMSecsSinceEpoch(std::llround(days * kMsPerDay), Qt::UTC);
}

namespace {

QString zoneText(const QString &abbreviation, int offsetSeconds)
{
    const int minutes = std::abs(offsetSeconds) / 60;
    char offset[32];
    const int length = std::snprintf(offset, sizeof offset, ", UTC%c%02d:%02d", offsetSeconds < 0 ? '-' : '+',
                                     minutes / 60, minutes % 60);
    return abbreviation + QLatin1String(offset, length);
}

QString civilText(const QDateTime &instant, const QTimeZone &zone, int offsetSeconds)
{
    // The civil time is the instant moved by the zone's offset there: the
    // digits written directly, where a conversion and a parsed format would
    // cost ten times as much.
    if (!instant.isValid() || !zone.isValid())
        return instant.toTimeZone(zone).toString(QStringLiteral("dd/MM/yyyy HH:mm"));
    const qint64 shifted = instant.toMSecsSinceEpoch() + qint64{offsetSeconds} * 1000;
    const QDateTime civil = QDateTime::fromMSecsSinceEpoch(shifted, Qt::UTC);
    const QDate date = civil.date();
    const QTime time = civil.time();
    // Qt counts no year 0 (its -1 is 1 BC); the page's years are astronomical,
    // as typed: 0 is 1 BC and -4000 is Qt's -4001.
    const int year = date.year() < 0 ? date.year() + 1 : date.year();
    char text[40];
    const int length = std::snprintf(text, sizeof text, year >= 1 ? "%02d/%02d/%04d %02d:%02d" : "%02d/%02d/%d %02d:%02d",
                                     date.day(), date.month(), year, time.hour(), time.minute());
    return QString::fromLatin1(text, length);
}

} // namespace

QString dateTimeText(const QDateTime &instant, const QTimeZone &zone)
{
    return civilText(instant, zone, zone.offsetFromUtc(instant));
}

QString zoneText(const QDateTime &instant, const QTimeZone &zone)
{
    return zoneText(zone.abbreviation(instant), zone.offsetFromUtc(instant));
}

QString localTimeLine(std::optional<double> julianDay, const QTimeZone &zone)
{
    const QString caption = QCoreApplication::translate("brelo::InstantLine", "Heure locale : %1");
    const QDateTime instant = julianDay ? instantOfJulianDay(*julianDay) : QDateTime();
    if (!instant.isValid())
        return caption.arg(QString::fromUtf8("—"));
    // One look-up in the zone's transitions for both texts. A fixed offset or
    // an invalid zone does not answer so (the least int): it is asked twice.
    QTimeZone::OffsetData at = zone.offsetData(instant);
    if (at.offsetFromUtc == std::numeric_limits<int>::min()) {
        at.offsetFromUtc = zone.offsetFromUtc(instant);
        at.abbreviation = zone.abbreviation(instant);
    }
    return caption.arg(civilText(instant, zone, at.offsetFromUtc) + QStringLiteral(" (")
                       + zoneText(at.abbreviation, at.offsetFromUtc) + QLatin1Char(')'));
}

} // namespace brelo
