#include "ephemeris/calculephem.h"

#include <gtest/gtest.h>

#include <array>
#include <cctype>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace brelo {
namespace {

// One row of the reference table: nine input texts, then the ten label texts,
// written with a decimal point by an independent implementation.
struct ReferenceRow {
    int line = 0;
    std::array<std::string, 9> inputs;
    std::array<std::string, 10> labels;
};

std::vector<ReferenceRow> referenceRows()
{
    std::ifstream file(BRELO_EPHEMERIS_REFERENCE);
    std::string line;
    std::getline(file, line);  // header
    std::vector<ReferenceRow> rows;
    for (int number = 2; std::getline(file, line); ++number) {
        ReferenceRow row{number, {}, {}};
        std::istringstream cells(line);
        for (std::string &cell : row.inputs)
            std::getline(cells, cell, '\t');
        for (std::string &cell : row.labels)
            std::getline(cells, cell, '\t');
        rows.push_back(row);
    }
    return rows;
}

// A decimal point between two digits becomes the comma; "U.A." keeps its points.
std::string withComma(std::string text)
{
    for (std::size_t i = 1; i + 1 < text.size(); ++i)
        if (text[i] == '.' && std::isdigit(static_cast<unsigned char>(text[i - 1]))
            && std::isdigit(static_cast<unsigned char>(text[i + 1])))
            text[i] = ',';
    return text;
}

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
        std::array<std::string, 9> inputs = row.inputs;
        std::array<std::string, 10> expected = row.labels;
        if (sep == ',') {
            for (std::string &t : inputs)
                t = withComma(t);
            for (std::string &t : expected)
                t = withComma(t);
        }
        const auto outcome = calculephem(inputOf(inputs), sep);
        ASSERT_TRUE(outcome.ok()) << "line " << row.line << ": " << outcome.error();
        EXPECT_EQ(labelsOf(outcome.value()), expected) << "line " << row.line;
    }
}

INSTANTIATE_TEST_SUITE_P(BothSeparators, EphemerisReference, testing::Values('.', ','));

} // namespace
} // namespace brelo
