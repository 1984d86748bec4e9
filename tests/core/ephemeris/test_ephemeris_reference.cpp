#include "core/ephemeris/calculephem.h"
#include "support/reference_tsv.h"

#include <gtest/gtest.h>

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

class EphemerisReference : public testing::TestWithParam<char> {};

TEST_P(EphemerisReference, EveryLabelOfEveryRowMatches)
{
    const char sep = GetParam();
    const std::vector<reference::Row> rows = reference::readTsv(BRELO_EPHEMERIS_REFERENCE);
    ASSERT_EQ(rows.size(), 1500u);
    for (const reference::Row &row : rows) {
        ASSERT_EQ(row.cells.size(), 19u) << "line " << row.line;
        std::vector<std::string> written;
        for (const std::string &cell : row.cells)
            written.push_back(reference::withSeparator(cell, sep));
        const auto outcome = calculephem(inputOf(written), sep);
        ASSERT_TRUE(outcome.ok()) << "line " << row.line << ": " << outcome.error();
        EXPECT_EQ(labelsOf(outcome.value()), std::vector<std::string>(written.begin() + 9, written.end()))
            << "line " << row.line;
    }
}

INSTANTIATE_TEST_SUITE_P(BothSeparators, EphemerisReference, testing::Values('.', ','));

} // namespace
} // namespace brelo
