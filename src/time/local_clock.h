#pragma once

#include <QString>
#include <QTimeZone>

#include <chrono>

namespace brelo {

// "05:46:57 +02:00": an instant's local clock time in `zone`, to the second,
// with the zone's offset then; " (la veille)" or " (le lendemain)" follows
// when the local date is before or after `date` (a rise or a set of the
// place's day can fall on another local date than the one asked for).
QString localClockText(std::chrono::sys_seconds instant, std::chrono::sys_days date, const QTimeZone &zone);

} // namespace brelo
