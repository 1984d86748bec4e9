#include "time/local_clock.h"

#include "time/local_time.h"

#include <QCoreApplication>

namespace brelo {

QString localClockText(std::chrono::sys_seconds instant, std::chrono::sys_days date, const QTimeZone &zone)
{
    using namespace std::chrono;
    const ZonedTime zoned = zonedTime(instant, zone);
    const local_days localDate = floor<days>(zoned.local);
    const hh_mm_ss clock{zoned.local - localDate};
    QString text = QStringLiteral("%1:%2:%3 %4")
                       .arg(clock.hours().count(), 2, 10, QLatin1Char('0'))
                       .arg(clock.minutes().count(), 2, 10, QLatin1Char('0'))
                       .arg(clock.seconds().count(), 2, 10, QLatin1Char('0'))
                       .arg(offsetText(zoned.offsetSeconds));
    const local_days asked{date.time_since_epoch()};
    // The same words as the UT times'.
    if (localDate < asked)
        return QCoreApplication::translate("ephemeris", "%1 (la veille)").arg(text);
    if (localDate > asked)
        return QCoreApplication::translate("ephemeris", "%1 (le lendemain)").arg(text);
    return text;
}

} // namespace brelo
