#include "core/optics/calcul.h"
#include "support/reference_tsv.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brelo {
namespace {

constexpr std::size_t kInputs = 6;
constexpr std::size_t kTexts = 7 + 1 + 2 * kYearRows;
// The table was written when the focal length left out the field lens; these
// two texts are checked against focal_length_reference.tsv instead.
constexpr std::size_t kFocalColumn = 3;
constexpr std::size_t kRatioColumn = 4;

// The 56 texts in the table's column order: seven labels, the remark, Listdiam, Listdimfoy.
std::vector<std::string> shownTexts(const OpticsResult &r)
{
    std::vector<std::string> texts = {r.lblb, r.lblx, r.lblc, r.lblfocresult, r.lblfd,
                                      r.lbldiscmin, r.lbldiscmax, r.remark.text};
    texts.insert(texts.end(), r.listdiam.begin(), r.listdiam.end());
    texts.insert(texts.end(), r.listdimfoy.begin(), r.listdimfoy.end());
    return texts;
}

class OpticsReference : public testing::TestWithParam<char> {};

// Every text of 600 runs on random realistic inputs, computed by an independent
// implementation of the same rules, in both decimal separators.
TEST_P(OpticsReference, EveryTextOfEveryRowMatches)
{
    const char sep = GetParam();
    const auto rows = reference::readTsv(BRELO_OPTICS_REFERENCE);
    ASSERT_EQ(rows.size(), 600u);
    int mismatches = 0;
    for (const auto &row : rows) {
        ASSERT_EQ(row.cells.size(), kInputs + kTexts) << "line " << row.line;
        std::vector<std::string> in;
        for (std::size_t i = 0; i < kInputs; ++i)
            in.push_back(reference::withSeparator(row.cells[i], sep));
        const auto outcome = calcul({in[0], in[1], in[2], in[3], in[4], in[5]}, sep);
        ASSERT_TRUE(outcome.ok()) << "line " << row.line << ": " << outcome.error();
        const std::vector<std::string> shown = shownTexts(outcome.value());
        // A run that leaves the yearly rows has them empty, and writes the same ones later.
        auto left = calcul({in[0], in[1], in[2], in[3], in[4], in[5]}, sep, YearRowTexts::Left);
        ASSERT_TRUE(left.ok());
        OpticsResult completed = left.value();
        EXPECT_TRUE(completed.listdiam.back().empty() && completed.listdimfoy.front().empty()) << "line " << row.line;
        writeYearRows(completed, sep);
        EXPECT_EQ(shownTexts(completed), shown) << "line " << row.line;
        for (std::size_t i = 0; i < kTexts; ++i) {
            if (i == kFocalColumn || i == kRatioColumn)
                continue;
            const std::string expected = reference::withSeparator(row.cells[kInputs + i], sep);
            if (shown[i] != expected && ++mismatches <= 20)
                ADD_FAILURE() << "line " << row.line << " column " << kInputs + i + 1 << ": expected \""
                              << expected << "\", calcul shows \"" << shown[i] << "\"";
        }
    }
    EXPECT_EQ(mismatches, 0);
}

INSTANTIATE_TEST_SUITE_P(BothSeparators, OpticsReference, testing::Values('.', ','),
                         [](const auto &info) { return info.param == '.' ? "Point" : "Comma"; });

} // namespace
} // namespace brelo
