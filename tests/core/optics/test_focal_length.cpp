#include "core/optics/calcul.h"
#include "support/reference_tsv.h"

#include <gtest/gtest.h>

namespace brelo {
namespace {

class FocalLength : public testing::TestWithParam<char> {};

// The focal length of the whole train and its F/D, field lens included, worked
// independently (focal_length_reference.tsv, see the README beside it).
TEST_P(FocalLength, ShownAsTheIndependentTableGives)
{
    const char sep = GetParam();
    const auto rows = reference::readTsv(BRELO_FOCAL_REFERENCE);
    ASSERT_GE(rows.size(), 10u);
    for (const auto &row : rows) {
        ASSERT_EQ(row.cells.size(), 9u) << "line " << row.line;
        const auto in = [&](std::size_t i) { return reference::withSeparator(row.cells[i], sep); };
        const auto outcome = calcul({in(0), in(1), in(2), in(3), in(4), in(5)}, sep);
        ASSERT_TRUE(outcome.ok()) << "line " << row.line << ": " << outcome.error();
        EXPECT_EQ(outcome.value().lblfocresult, in(6)) << "line " << row.line << ", " << row.cells[8];
        EXPECT_EQ(outcome.value().lblfd, in(7)) << "line " << row.line << ", " << row.cells[8];
    }
}

INSTANTIATE_TEST_SUITE_P(BothSeparators, FocalLength, testing::Values('.', ','),
                         [](const auto &info) { return info.param == '.' ? "Point" : "Comma"; });

} // namespace
} // namespace brelo
