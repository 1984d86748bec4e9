#include "core/ephemeris/period_table.h"

#include <gtest/gtest.h>

#include <random>

namespace brelo {
namespace {

CivilTime at(int year, unsigned month, unsigned day, unsigned hour, unsigned minute)
{
    return {year, month, day, hour, minute};
}

TEST(PeriodTable, RowCountAndLastInstant)
{
    struct Case {
        CivilTime start, end;
        PeriodStep step;
        std::size_t rows;
        const char *last;
    };
    const Case cases[] = {
        {at(2027, 3, 20, 6, 0), at(2027, 3, 20, 18, 0), {10, StepUnit::Minutes}, 73, "2027-03-20 18:00"},
        {at(2027, 3, 20, 6, 0), at(2027, 3, 20, 18, 0), {7, StepUnit::Minutes}, 103, "2027-03-20 17:54"},
        {at(2027, 3, 20, 6, 0), at(2027, 3, 20, 6, 0), {1, StepUnit::Days}, 1, "2027-03-20 06:00"},
        {at(2028, 2, 28, 22, 0), at(2028, 3, 1, 2, 0), {2, StepUnit::Hours}, 15, "2028-03-01 02:00"},
        {at(2027, 1, 1, 0, 0), at(2027, 12, 31, 23, 59), {1, StepUnit::Days}, 365, "2027-12-31 00:00"},
        {at(1969, 12, 31, 23, 58), at(1970, 1, 1, 0, 1), {1, StepUnit::Minutes}, 4, "1970-01-01 00:01"},
        {at(1800, 1, 1, 0, 0), at(2100, 12, 31, 0, 0), {1, StepUnit::Days}, 109938, "2100-12-31 00:00"},
    };
    for (const Case &c : cases) {
        const auto table = PeriodTable::make(c.start, c.end, c.step, {}, '.');
        ASSERT_TRUE(table.ok()) << table.error();
        EXPECT_EQ(table.value().rowCount(), c.rows) << c.last;
        EXPECT_EQ(civilTimeText(civilTimeOf(table.value().instant(c.rows - 1))), c.last);
        EXPECT_EQ(civilTimeOf(table.value().instant(0)).minute, c.start.minute);
    }
}

TEST(PeriodTable, AbsurdRequestsAreRefusedInFrench)
{
    struct Case {
        CivilTime start, end;
        PeriodStep step;
        ObserverPosition observer;
        const char *message;
    };
    const Case cases[] = {
        {at(2027, 3, 20, 18, 0), at(2027, 3, 20, 6, 0), {10, StepUnit::Minutes}, {},
         "La fin de la période (2027-03-20 06:00) précède son début (2027-03-20 18:00)."},
        {at(2027, 3, 20, 6, 0), at(2027, 3, 20, 18, 0), {0, StepUnit::Hours}, {},
         "Le pas (0) doit valoir au moins 1."},
        {at(2027, 3, 20, 6, 0), at(2027, 3, 20, 18, 0), {-5, StepUnit::Minutes}, {},
         "Le pas (-5) doit valoir au moins 1."},
        {at(2027, 3, 20, 6, 0), at(2027, 3, 20, 18, 0), {1'000'000'000'000LL, StepUnit::Hours}, {},
         "Le pas (1000000000000) est trop grand."},
        {at(2027, 2, 29, 6, 0), at(2027, 3, 20, 18, 0), {1, StepUnit::Days}, {},
         "Le début de la période (2027-02-29 06:00) n'est pas une date et une heure qui existent."},
        {at(2027, 3, 20, 6, 0), at(2027, 3, 20, 24, 0), {1, StepUnit::Days}, {},
         "La fin de la période (2027-03-20 24:00) n'est pas une date et une heure qui existent."},
        {at(1800, 1, 1, 0, 0), at(2100, 1, 1, 0, 0), {1, StepUnit::Minutes}, {},
         "La période compte 157 785 121 instants, plus que les 5 000 000 d'un tableau : "
         "allongez le pas ou raccourcissez la période."},
        {at(2000, 1, 1, 0, 0), at(2009, 7, 4, 5, 20), {1, StepUnit::Minutes}, {},
         "La période compte 5 000 001 instants, plus que les 5 000 000 d'un tableau : "
         "allongez le pas ou raccourcissez la période."},
        {at(2027, 3, 20, 6, 0), at(2027, 3, 20, 18, 0), {10, StepUnit::Minutes}, {"48", "51", "2;35", "0"},
         "Calcul impossible : la longitude (degrés) (« 2;35 ») n'est pas un nombre "
         "(séparateur décimal : point ou virgule)."},
        {at(2027, 3, 20, 6, 0), at(2027, 3, 20, 18, 0), {10, StepUnit::Minutes}, {"90", "1", "2", "0"},
         "Calcul impossible : la latitude (« 90° 1' ») doit être comprise entre -90° et 90°."},
    };
    for (const Case &c : cases) {
        const auto table = PeriodTable::make(c.start, c.end, c.step, c.observer, '.');
        ASSERT_FALSE(table.ok()) << c.message;
        EXPECT_EQ(table.error(), c.message);
    }
    // Exactly at the limit is accepted.
    EXPECT_TRUE(PeriodTable::make(at(2000, 1, 1, 0, 0), at(2009, 7, 4, 5, 19),
                                  {1, StepUnit::Minutes}, {}, '.').ok());
}

// Any row equals the ephemeris page for its instant: the nine texts the page
// would hold, worked out here by hand (a March week, 10-minute steps from 06:00).
TEST(PeriodTable, RowsEqualThePageForTheirInstant)
{
    const ObserverPosition paris{"48", "51", "2", "21"};
    const auto made = PeriodTable::make(at(2027, 3, 20, 6, 0), at(2027, 3, 27, 6, 0),
                                        {10, StepUnit::Minutes}, paris, ',');
    ASSERT_TRUE(made.ok()) << made.error();
    const PeriodTable &table = made.value();
    ASSERT_EQ(table.rowCount(), 7u * 144u + 1u);
    std::mt19937 random(20270320);
    for (int sample = 0; sample < 60; ++sample) {
        const std::size_t i = random() % table.rowCount();
        const std::size_t minutes = 6 * 60 + 10 * i;
        const EphemerisInput page{"2027", "3", std::to_string(20 + minutes / 1440),
                                  std::to_string(minutes % 1440 / 60), std::to_string(minutes % 60),
                                  "48", "51", "2", "21"};
        const auto expected = calculephem(page, ',');
        const auto row = table.row(i);
        ASSERT_TRUE(row.ok() && expected.ok()) << i;
        const EphemerisResult &got = row.value().ephemeris;
        const EphemerisResult &want = expected.value();
        for (const auto label : {&EphemerisResult::lblad, &EphemerisResult::lbldec,
                                 &EphemerisResult::lblah, &EphemerisResult::lblh,
                                 &EphemerisResult::lblaz, &EphemerisResult::lblr,
                                 &EphemerisResult::lblp, &EphemerisResult::lblb0,
                                 &EphemerisResult::lbll0, &EphemerisResult::lblksi})
            EXPECT_EQ(got.*label, want.*label) << "row " << i;
        EXPECT_EQ(row.value().time.day, 20 + minutes / 1440);
        const CarringtonRotation rotation = row.value().carrington;
        EXPECT_EQ(rotation.number, carringtonRotation(want.values.julianDay).number);
        EXPECT_EQ(rotation.fraction, carringtonRotation(want.values.julianDay).fraction);
    }
}

} // namespace
} // namespace brelo
