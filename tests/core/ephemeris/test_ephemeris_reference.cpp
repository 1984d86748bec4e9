#include "core/ephemeris/calculephem.h"
#include "support/reference_tsv.h"

#include <gtest/gtest.h>

#include <cmath>

namespace brelo {
namespace {

// Columns: the nine input texts, then the ten label texts.
EphemerisInput inputOf(const std::vector<std::string> &t)
{
    return {t[0], t[1], t[2], t[3], t[4], t[5], t[6], t[7], t[8]};
}

std::vector<std::string> labelsOf(const EphemerisResult &r)
{
    return {r.lblad, r.lbldec, r.lblah, r.lblh, r.lblaz, r.lblr, r.lblp, r.lblb0, r.lbll0, r.lblksi};
}

// The table's observer stands anywhere the panel's spin buttons reach, up to
// 180° of longitude and 60': beyond 180° in all (180° 57') is no longitude,
// which the computation now refuses instead of taking 179° 03' the other way.
bool longitudeBeyond180(const std::vector<std::string> &t)
{
    return std::fabs(std::stod(t[7])) + std::stod(t[8]) / 60.0 > 180.0;
}

class EphemerisReference : public testing::TestWithParam<char> {};

TEST_P(EphemerisReference, EveryLabelOfEveryRowMatches)
{
    const char sep = GetParam();
    const std::vector<reference::Row> rows = reference::readTsv(BRELO_EPHEMERIS_REFERENCE);
    ASSERT_EQ(rows.size(), 1500u);
    int refused = 0;
    for (const reference::Row &row : rows) {
        ASSERT_EQ(row.cells.size(), 19u) << "line " << row.line;
        std::vector<std::string> written;
        for (const std::string &cell : row.cells)
            written.push_back(reference::withSeparator(cell, sep));
        const auto outcome = calculephem(inputOf(written), sep);
        if (longitudeBeyond180(row.cells)) {
            ++refused;
            ASSERT_FALSE(outcome.ok()) << "line " << row.line;
            EXPECT_EQ(outcome.error().rfind("Calcul impossible : la longitude (« ", 0), 0u) << outcome.error();
            continue;
        }
        ASSERT_TRUE(outcome.ok()) << "line " << row.line << ": " << outcome.error();
        EXPECT_EQ(labelsOf(outcome.value()), std::vector<std::string>(written.begin() + 9, written.end()))
            << "line " << row.line;
    }
    EXPECT_EQ(refused, 12);
}

INSTANTIATE_TEST_SUITE_P(BothSeparators, EphemerisReference, testing::Values('.', ','));

} // namespace
} // namespace brelo
