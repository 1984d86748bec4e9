#include "ephemeris/calculephem.h"
#include "ephemeris/reference_table.h"

#include <gtest/gtest.h>

namespace brelo {
namespace {

EphemerisInput inputOf(const std::array<std::string, 9> &t)
{
    return {t[0], t[1], t[2], t[3], t[4], t[5], t[6], t[7], t[8]};
}

std::array<std::string, 10> labelsOf(const EphemerisResult &r)
{
    return {r.lblad, r.lbldec, r.lblah, r.lblh, r.lblaz,
            r.lblr,  r.lblp, r.lblb0, r.lbll0, r.lblksi};
}

class EphemerisReference : public testing::TestWithParam<char> {};

TEST_P(EphemerisReference, EveryLabelOfEveryRowMatches)
{
    const char sep = GetParam();
    const std::vector<ReferenceRow> rows = referenceRows();
    ASSERT_EQ(rows.size(), 1500u);
    for (const ReferenceRow &row : rows) {
        const ReferenceRow written = withSeparator(row, sep);
        const auto outcome = calculephem(inputOf(written.inputs), sep);
        ASSERT_TRUE(outcome.ok()) << "line " << row.line << ": " << outcome.error();
        EXPECT_EQ(labelsOf(outcome.value()), written.labels) << "line " << row.line;
    }
}

INSTANTIATE_TEST_SUITE_P(BothSeparators, EphemerisReference, testing::Values('.', ','));

} // namespace
} // namespace brelo
