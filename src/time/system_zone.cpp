#include "time/system_zone.h"

namespace brelo {

namespace {

// A change of the system's zone shows at the first run a second after it.
constexpr std::chrono::seconds kLookUpAgainAfter{1};

} // namespace

SystemZone::SystemZone(Clock clock) : clock_(std::move(clock)) {}

QTimeZone SystemZone::current()
{
    const auto now = clock_();
    // A clock that went back (or a first call) looks the zone up as well.
    if (!lookedUpAt_ || now < *lookedUpAt_ || now - *lookedUpAt_ >= kLookUpAgainAfter) {
        zone_ = QTimeZone::systemTimeZone();
        lookedUpAt_ = now;
    }
    return zone_;
}

QTimeZone systemZone()
{
    static SystemZone watch;
    return watch.current();
}

} // namespace brelo
