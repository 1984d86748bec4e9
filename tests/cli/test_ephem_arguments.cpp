#include "cli/ephem_arguments.h"
#include "cli/ephem_table_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

namespace brelo {
namespace {

// What an argument becomes, written as the data table writes it.
template <class T, class Show>
std::string shown(const Outcome<T> &outcome, Show show)
{
    return outcome.ok() ? show(outcome.value()) : "!" + outcome.error();
}

std::string resultOf(const std::string &kind, char sep, const std::string &argument)
{
    const char *const units[] = {"min", "h", "d"};
    if (kind == "angle")
        return shown(angleFields(argument, "la latitude", 90.0, sep),
                     [](const AngleFields &a) { return a.degrees + "|" + a.minutes; });
    if (kind == "step")
        return shown(periodStep(argument), [&](const PeriodStep &s) {
            return std::to_string(s.count) + " " + units[static_cast<int>(s.unit)];
        });
    return shown(civilTime(argument, "--from"), civilTimeText);
}

TEST(EphemArguments, EachArgumentGivesItsFieldsOrItsMessage)
{
    std::ifstream file(BRELO_CLI_ARGUMENTS);
    std::string line;
    std::getline(file, line);  // header
    int cases = 0;
    while (std::getline(file, line)) {
        std::istringstream cells(line);
        std::string kind, sep, argument, expected;
        std::getline(cells, kind, '\t');
        std::getline(cells, sep, '\t');
        std::getline(cells, argument, '\t');
        std::getline(cells, expected);
        EXPECT_EQ(resultOf(kind, sep.at(0), argument), expected) << kind << " « " << argument << " »";
        ++cases;
    }
    EXPECT_EQ(cases, 44);
}

// Every line is as wide as the heading line, in characters ("°" is one).
TEST(EphemTableText, ColumnsLineUpWithTheHeadings)
{
    const auto headings = ephemTableHeadings("Europe/Paris", TableForm::Text);
    const auto widths = columnWidths(headings, 2);
    const std::vector<std::string> widest{
        "2027-03-20 06:00", "2027-03-20 07:00 +01:00", "23 h 59 '", "-23.456°",
        "-179.999° = -11 h 59 '", "-89.999°", "-179.999°", "1.017 U.A.", "-26.123°", "-7.25°",
        "359.999°", "-179.999°", "2322.414"};
    const auto count = [](const std::string &line) {
        return std::count_if(line.begin(), line.end(),
                             [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
    };
    const std::string heading = alignedLine(headings, widths, 2);
    const std::string row = alignedLine(widest, widths, 2);
    EXPECT_EQ(count(row), count(heading));
    EXPECT_EQ(row.substr(0, 43), "2027-03-20 06:00  2027-03-20 07:00 +01:00  ");
    EXPECT_TRUE(row.ends_with(" 2322.414\n")) << row;
    EXPECT_EQ(withoutLabel("Angle horaire = -1.1° = -0 h 4 '"), "-1.1° = -0 h 4 '");
}

} // namespace
} // namespace brelo
