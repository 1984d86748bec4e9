#pragma once

#include <QString>
#include <QTimeZone>

#include <vector>

namespace brelo {

// A labelled mark of a time axis: an instant (milliseconds since 1970 UT) and
// its date or time in the zone the axis is read in.
struct TimeTick {
    qint64 msecs = 0;
    QString label;
};

// At most `maxTicks` round instants between two instants (both included), in
// the zone's clock: every few minutes or hours ("06:00", or "21/06 06:00" over
// more than one date), days ("21/06", "21/06/27" over more than one year),
// months ("06/2027") or years ("2027"). Labels never repeat.
std::vector<TimeTick> timeTicks(qint64 firstMsecs, qint64 lastMsecs, const QTimeZone &zone, int maxTicks);

} // namespace brelo
