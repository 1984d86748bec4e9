#include "time/system_zone.h"

#include <gtest/gtest.h>

#include <QByteArray>

namespace brelo {
namespace {

using namespace std::chrono_literals;

// The zone Qt reads from TZ, put back as it was after the test.
class ZoneVariable {
public:
    ZoneVariable() : had_(qEnvironmentVariableIsSet("TZ")), was_(qgetenv("TZ")) {}
    ~ZoneVariable()
    {
        if (had_)
            qputenv("TZ", was_);
        else
            qunsetenv("TZ");
    }
    void set(const char *zone) { qputenv("TZ", zone); }

private:
    bool had_;
    QByteArray was_;
};

// A change of the system's zone is seen once a second has passed since the
// last look-up, and at once when the clock steps back.
TEST(SystemZone, LooksTheZoneUpAgainAfterASecond)
{
    ZoneVariable tz;
    std::chrono::steady_clock::time_point now{100s};
    SystemZone watch([&now] { return now; });
    const struct {
        std::chrono::milliseconds step;
        const char *systemZone;
        const char *seen;
    } steps[] = {
        {0ms, "Europe/Paris", "Europe/Paris"},  {999ms, "Asia/Tokyo", "Europe/Paris"},
        {1ms, "Asia/Tokyo", "Asia/Tokyo"},      {400ms, "America/New_York", "Asia/Tokyo"},
        {-500ms, "America/New_York", "America/New_York"}, {2500ms, "UTC", "UTC"},
    };
    for (const auto &step : steps) {
        now += step.step;
        tz.set(step.systemZone);
        EXPECT_EQ(watch.current().id().toStdString(), step.seen) << step.step.count() << " ms, " << step.systemZone;
    }
}

} // namespace
} // namespace brelo
