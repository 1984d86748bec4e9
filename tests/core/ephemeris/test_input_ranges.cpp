#include "core/ephemeris/accuracy_range.h"
#include "core/ephemeris/calculephem.h"
#include "support/reference_tsv.h"

#include <gtest/gtest.h>

namespace brelo {
namespace {

EphemerisInput inputOf(const std::vector<std::string> &t)
{
    return {t[0], t[1], t[2], t[3], t[4], t[5], t[6], t[7], t[8]};
}

// Each part of the date, time and place at both edges of its range: what
// exists computes, what does not is named with what was typed and its range.
TEST(EphemerisInputRanges, EachPartAtBothEdgesOfItsRange)
{
    const std::vector<reference::Row> rows = reference::readTsv(BRELO_EPHEMERIS_INPUT_RANGES);
    ASSERT_EQ(rows.size(), 54u);
    for (const reference::Row &row : rows) {
        ASSERT_EQ(row.cells.size(), 10u) << "line " << row.line;
        const auto outcome = calculephem(inputOf(row.cells), '.');
        if (row.cells[9] == "-") {
            EXPECT_TRUE(outcome.ok()) << "line " << row.line << ": " << outcome.error();
            continue;
        }
        ASSERT_FALSE(outcome.ok()) << "line " << row.line;
        EXPECT_EQ(outcome.error(), "Calcul impossible : " + row.cells[9]) << "line " << row.line;
        EXPECT_EQ(firstFieldFault(inputOf(row.cells), '.'), outcome.error()) << "line " << row.line;
    }
}

std::vector<std::string> labels(const EphemerisInput &input)
{
    const auto outcome = calculephem(input, '.');
    EXPECT_TRUE(outcome.ok()) << outcome.error();
    if (!outcome.ok())
        return {};
    const EphemerisResult &r = outcome.value();
    return {r.lblad, r.lbldec, r.lblah, r.lblh, r.lblaz, r.lblr, r.lblp, r.lblb0, r.lbll0, r.lblksi};
}

// 24 h is the next day's 0 h, also across a month's and a leap year's end.
TEST(EphemerisInputRanges, TwentyFourHoursIsTheNextDay)
{
    const struct {
        EphemerisInput at24, nextDay;
    } cases[] = {
        {{"2000", "1", "31", "24", "0"}, {"2000", "2", "1", "0", "0"}},
        {{"2024", "2", "29", "24", "0"}, {"2024", "3", "1", "0", "0"}},
        {{"2027", "12", "31", "24", "0"}, {"2028", "1", "1", "0", "0"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(labels(c.at24), labels(c.nextDay)) << c.at24.txtann << "-" << c.at24.txtmois;
}

// The help states the accuracy for 1800–2100, both years included.
TEST(EphemerisInputRanges, AccuracyNoticeOutsideEighteenHundredToTwentyOneHundred)
{
    const std::string notice = "La précision annoncée dans l'aide vaut pour les années 1800 à 2100 ; "
                               "hors de cette période, les écarts peuvent être plus grands.";
    const std::pair<const char *, bool> years[] = {
        {"1799", true}, {"1800", false}, {"2100", false}, {"2101", true}, {"-4000", true}};
    for (const auto &[year, outside] : years) {
        EphemerisInput input;
        input.txtann = year;
        const auto outcome = calculephem(input, ',');
        ASSERT_TRUE(outcome.ok()) << outcome.error();
        EXPECT_EQ(outcome.value().accuracyNotice, outside ? notice : "") << year;
    }
}

} // namespace
} // namespace brelo
