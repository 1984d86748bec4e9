#include "charts/time_ticks.h"

#include <QDateTime>

#include <gtest/gtest.h>

namespace brelo {
namespace {

qint64 utc(int year, int month, int day, int hour = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, 0), QTimeZone::utc()).toMSecsSinceEpoch();
}

std::vector<std::string> labels(const std::vector<TimeTick> &ticks)
{
    std::vector<std::string> texts;
    for (const TimeTick &tick : ticks)
        texts.push_back(tick.label.toStdString());
    return texts;
}

// Round instants of the zone's clock: a day in 6-hour steps, in UT and in
// Paris (UT + 2 h in June), a year in 2-month steps.
TEST(TimeTicks, RoundInstantsOfTheZonesClock)
{
    const QTimeZone paris("Europe/Paris");
    using Labels = std::vector<std::string>;
    EXPECT_EQ(labels(timeTicks(utc(2027, 6, 21), utc(2027, 6, 22), QTimeZone::utc(), 8)),
              (Labels{"21/06 00:00", "21/06 06:00", "21/06 12:00", "21/06 18:00", "22/06 00:00"}));
    const std::vector<TimeTick> local = timeTicks(utc(2027, 6, 21), utc(2027, 6, 22), paris, 8);
    EXPECT_EQ(labels(local), (Labels{"21/06 06:00", "21/06 12:00", "21/06 18:00", "22/06 00:00"}));
    EXPECT_EQ(local.front().msecs, utc(2027, 6, 21, 4));
    EXPECT_EQ(labels(timeTicks(utc(2027, 1, 1), utc(2027, 12, 31), QTimeZone::utc(), 8)),
              (Labels{"01/2027", "03/2027", "05/2027", "07/2027", "09/2027", "11/2027"}));
    EXPECT_EQ(labels(timeTicks(utc(1900, 1, 1), utc(2100, 1, 1), QTimeZone::utc(), 8)),
              (Labels{"1900", "1950", "2000", "2050", "2100"}));
}

// The night the clocks go back, 02:00 comes twice in Paris: one mark only.
TEST(TimeTicks, AHourRepeatedWhenTheClocksGoBackIsMarkedOnce)
{
    const std::vector<TimeTick> ticks =
        timeTicks(utc(2027, 10, 31, 0), utc(2027, 10, 31, 4), QTimeZone("Europe/Paris"), 8);
    EXPECT_EQ(labels(ticks), (std::vector<std::string>{"02:00", "03:00", "04:00", "05:00"}));
    EXPECT_EQ(ticks[1].msecs, utc(2027, 10, 31, 2));
}

} // namespace
} // namespace brelo
