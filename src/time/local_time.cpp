#include "time/local_time.h"

#include <QCoreApplication>
#include <QDateTime>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace brelo {

namespace {

using std::chrono::hours;
using std::chrono::seconds;
using std::chrono::sys_seconds;

// Offsets reach ±14 h, so every instant with a given local time lies within a
// day of it read as UT; offsets are looked up hourly across that span.
constexpr int kSpanHours = 27;

// The zone's offset at an instant: Qt looks it up from UT, which it does right.
int offsetAt(sys_seconds instant, const QTimeZone &zone)
{
    return zone.offsetFromUtc(QDateTime::fromSecsSinceEpoch(instant.time_since_epoch().count(), Qt::UTC));
}

QString twoDigits(long long n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

} // namespace

std::vector<sys_seconds> instantsAtLocalTime(std::chrono::local_seconds local, const QTimeZone &zone)
{
    const sys_seconds asIfUt{local.time_since_epoch()};
    std::vector<int> offsets;
    for (int h = -kSpanHours; h <= kSpanHours; ++h) {
        const int offset = offsetAt(asIfUt + hours(h), zone);
        if (std::find(offsets.begin(), offsets.end(), offset) == offsets.end())
            offsets.push_back(offset);
    }
    std::vector<sys_seconds> instants;
    for (const int offset : offsets) {
        const sys_seconds candidate = asIfUt - seconds(offset);
        // Converted back, the candidate must show the very local time asked for.
        if (zonedTime(candidate, zone).local == local)
            instants.push_back(candidate);
    }
    std::sort(instants.begin(), instants.end());
    instants.erase(std::unique(instants.begin(), instants.end()), instants.end());
    return instants;
}

ZonedTime zonedTime(sys_seconds instant, const QTimeZone &zone)
{
    const int offset = offsetAt(instant, zone);
    return {std::chrono::local_seconds{(instant + seconds(offset)).time_since_epoch()}, offset};
}

LocalReading readLocalTime(std::chrono::local_seconds local, const QTimeZone &zone, const QString &subject)
{
    LocalReading reading{instantsAtLocalTime(local, zone), {}};
    const QString zoneName = QString::fromUtf8(zone.id());
    if (reading.instants.empty()) {
        reading.problem = QCoreApplication::translate("brelo::LocalTime",
                                                      "%1 n'existe pas dans le fuseau %2 (changement d'heure).")
                              .arg(subject, zoneName);
    } else if (reading.instants.size() > 1) {
        reading.problem = QCoreApplication::translate("brelo::LocalTime", "%1 a lieu deux fois dans le fuseau %2 "
                                                                          "(changement d'heure) : à %3 TU puis à %4 TU.")
                              .arg(subject, zoneName, dateTimeText(reading.instants.front()),
                                   dateTimeText(reading.instants.back()));
    }
    return reading;
}

QString offsetText(int offsetSeconds)
{
    const int magnitude = std::abs(offsetSeconds);
    QString text = (offsetSeconds < 0 ? QStringLiteral("-") : QStringLiteral("+")) + twoDigits(magnitude / 3600)
                 + QLatin1Char(':') + twoDigits(magnitude / 60 % 60);
    if (magnitude % 60 != 0)
        text += QLatin1Char(':') + twoDigits(magnitude % 60);
    return text;
}

QString dateTimeText(sys_seconds instant)
{
    const auto day = std::chrono::floor<std::chrono::days>(instant);
    const std::chrono::year_month_day date{day};
    const std::chrono::hh_mm_ss<seconds> time{instant - day};
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    QString result = QString::fromLatin1(text) + QLatin1Char(' ') + twoDigits(time.hours().count())
                   + QLatin1Char(':') + twoDigits(time.minutes().count());
    if (time.seconds().count() != 0)
        result += QLatin1Char(':') + twoDigits(time.seconds().count());
    return result;
}

QString dateTimeText(std::chrono::local_seconds local)
{
    return dateTimeText(sys_seconds{local.time_since_epoch()});
}

} // namespace brelo
