#include "app/local_time.h"

#include <cmath>
#include <cstdlib>

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
    return QDateTime::fromMSecsSinceEpoch(std::llround(days * kMsPerDay), QTimeZone::utc());
}

QString dateTimeText(const QDateTime &instant, const QTimeZone &zone)
{
    return instant.toTimeZone(zone).toString(QStringLiteral("dd/MM/yyyy HH:mm"));
}

QString zoneText(const QDateTime &instant, const QTimeZone &zone)
{
    const int offsetSeconds = zone.offsetFromUtc(instant);
    const int minutes = std::abs(offsetSeconds) / 60;
    return QStringLiteral("%1, UTC%2%3:%4")
        .arg(zone.abbreviation(instant), offsetSeconds < 0 ? QStringLiteral("-") : QStringLiteral("+"))
        .arg(minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString localTimeLine(std::optional<double> julianDay, const QTimeZone &zone)
{
    const QString caption = QStringLiteral("Heure locale : ");
    const QDateTime instant = julianDay ? instantOfJulianDay(*julianDay) : QDateTime();
    if (!instant.isValid())
        return caption + QString::fromUtf8("—");
    return caption + dateTimeText(instant, zone) + QStringLiteral(" (") + zoneText(instant, zone) + QLatin1Char(')');
}

} // namespace brelo
