#pragma once

#include <QTimeZone>

#include <chrono>
#include <functional>
#include <optional>

namespace brelo {

// The system's time zone, looked up again once a second has passed: Qt learns
// it from three file stats, a tenth of what an ephemeris run costs, and a run
// follows every click of a spin button.
class SystemZone {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;
    explicit SystemZone(Clock clock = &std::chrono::steady_clock::now);

    QTimeZone current();

private:
    Clock clock_;
    QTimeZone zone_;
    std::optional<std::chrono::steady_clock::time_point> lookedUpAt_;
};

// The program's one watch on the system's zone.
QTimeZone systemZone();

} // namespace brelo
