#include "time/local_clock.h"

#include <gtest/gtest.h>

namespace brelo {
namespace {

using namespace std::chrono;

// Offsets from the civil rules of each zone: Paris +1 h in winter and +2 h in
// summer, Sydney +10 h in June, New York -4 h in summer.
TEST(LocalClock, TimeOffsetAndOtherDateNote)
{
    const struct {
        const char *zone;
        sys_seconds instant;
        sys_days date;
        const char *text;
    } cases[] = {
        {"Europe/Paris", sys_days{2027y / 6 / 21} + 3h + 46min + 57s, sys_days{2027y / 6 / 21}, "05:46:57 +02:00"},
        {"Europe/Paris", sys_days{2027y / 12 / 21} + 15h + 56min, sys_days{2027y / 12 / 21}, "16:56:00 +01:00"},
        {"Europe/Paris", sys_days{2027y / 12 / 21} + 23h + 30min, sys_days{2027y / 12 / 21},
         "00:30:00 +01:00 (le lendemain)"},
        // A rise the day before in UT is on the asked date in Sydney.
        {"Australia/Sydney", sys_days{2027y / 6 / 20} + 20h + 59min + 51s, sys_days{2027y / 6 / 21},
         "06:59:51 +10:00"},
        {"America/New_York", sys_days{2027y / 6 / 21} + 3h, sys_days{2027y / 6 / 21}, "23:00:00 -04:00 (la veille)"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(localClockText(c.instant, c.date, QTimeZone(c.zone)).toStdString(), c.text) << c.zone;
}

} // namespace
} // namespace brelo
