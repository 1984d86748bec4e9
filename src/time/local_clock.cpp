#include "time/local_clock.h"

#include "time/local_time.h"

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
    if (localDate < asked)
        text += QStringLiteral(" (la veille)");
    else if (localDate > asked)
        text += QStringLiteral(" (le lendemain)");
    return text;
}

} // namespace brelo
