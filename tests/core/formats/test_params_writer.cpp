#include "core/common/numeric_text.h"
#include "core/formats/params_file.h"
#include "core/formats/params_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <random>
#include <string>

namespace brelo {
namespace {

std::string inLocale(std::string text, char sep)
{
    std::replace(text.begin(), text.end(), '.', sep);
    return text;
}

// Saves the thirteen texts and reads the file back with the same separator.
ParamsFields roundTrip(const ParamsFields &texts, char sep)
{
    const auto file = paramsFileText(texts, sep);
    EXPECT_TRUE(file.ok()) << file.error();
    const ParamsRead read = parseParamsFile(file.ok() ? file.value() : "", sep);
    EXPECT_EQ(read.message, "");
    return read.fields.value_or(ParamsFields{});
}

TEST(ParamsWriter, WritesOneValuePerLineWithAPeriod)
{
    const ParamsFields texts = {"1000", "90", "200,5", "50", "30", "300", "50", "300",
                                "0,5", "44", "-0", "-0", "34"};
    const auto file = paramsFileText(texts, ',');
    ASSERT_TRUE(file.ok()) << file.error();
    EXPECT_EQ(file.value(), "1000\n90\n200.5\n50\n30\n300\n50\n300\n0.5\n44\n-0\n-0\n34\n");
}

// A box read either separator: the file gets the point whichever was typed,
// and a comma never splits a value in two.
TEST(ParamsWriter, EitherSeparatorTypedIsWrittenWithAPoint)
{
    const ParamsFields texts = {"1000.5", "90", "200,5", "50", "30", "300", "50", "300",
                                "0,5", "44.5", "-0", "-0", "34,5"};
    for (const char sep : {'.', ','}) {
        const auto file = paramsFileText(texts, sep);
        ASSERT_TRUE(file.ok()) << file.error();
        EXPECT_EQ(file.value(), "1000.5\n90\n200.5\n50\n30\n300\n50\n300\n0.5\n44.5\n-0\n-0\n34.5\n");
    }
}

// Texts as the window holds them come back exactly, with either separator;
// a number typed in a longer plain form than the file gives comes back short,
// with the same value (the file shows 1000.0 as 1000).
TEST(ParamsWriter, SavedTextsComeBackAsTheFileGivesThem)
{
    const struct {
        const char *typed, *back;  // nullptr: the same
    } cases[] = {
        {"-0", nullptr}, {"0", nullptr}, {"0.5", nullptr}, {"-0.34", nullptr}, {"1e3", nullptr},
        {"1.5e3", nullptr}, {"-1.5E-3", nullptr}, {"+2e+2", nullptr}, {"1E+10", nullptr},
        {"123456789012345", nullptr}, {"0.000000000000001", nullptr}, {"1234567890.123456", nullptr},
        {"3.14159265358979323846", nullptr}, {"1000000000000000", nullptr}, {"0.0000000000000001", nullptr},
        {"4.9e-324", nullptr}, {"1.7976931348623157e308", nullptr}, {"30.000001", nullptr},
        {"0.000000123456", nullptr}, {"0.50", "0.5"}, {"+3", "3"}, {"007", "7"}, {" 42 ", "42"},
        {".25", "0.25"}, {"5.", "5"}, {"-0.000", "-0"}, {"1000.0", "1000"}};
    for (const char sep : {'.', ','}) {
        for (const auto &c : cases) {
            ParamsFields texts;
            texts.fill(inLocale(c.typed, sep));
            ParamsFields expected;
            expected.fill(inLocale(c.back ? c.back : c.typed, sep));
            EXPECT_EQ(roundTrip(texts, sep), expected) << c.typed << " with '" << sep << "'";
        }
    }
}

// Random numbers of every shape, loaded from a file as the user wrote them: the
// texts the window then shows survive a save and a reopen exactly, and so does
// the value behind any typed form.
TEST(ParamsWriter, RandomTextsSurviveSaveAndReopen)
{
    std::mt19937 random(20261207);
    const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    for (int run = 0; run < 4000; ++run) {
        std::string typed = pick(4) == 0 ? "-" : (pick(8) == 0 ? "+" : "");
        const int digits = 1 + pick(20);
        const int point = pick(digits + 2) - 1;  // -1: no point
        for (int i = 0; i < digits; ++i) {
            if (i == point)
                typed += '.';
            typed += static_cast<char>('0' + pick(10));
        }
        if (pick(5) == 0) {
            typed += 'e';
            typed += std::to_string(pick(80) - 40);
        }
        for (const char sep : {'.', ','}) {
            ParamsFields loaded;
            loaded.fill(paramsFieldText(typed, sep));
            EXPECT_EQ(roundTrip(loaded, sep), loaded) << typed;

            ParamsFields asTyped;
            asTyped.fill(inLocale(typed, sep));
            const NumericText before = readNumber(asTyped[0], sep);
            const NumericText after = readNumber(roundTrip(asTyped, sep)[0], sep);
            ASSERT_TRUE(before.ok() && after.ok()) << typed;
            EXPECT_EQ(std::memcmp(&before.value, &after.value, sizeof(double)), 0) << typed;
        }
    }
}

TEST(ParamsWriter, RefusesTheFirstFieldThatIsNotANumber)
{
    const ParamsFields good = {"1000", "90", "200", "50", "30", "300", "50", "300", "50", "45", "0", "0", "0"};
    const struct {
        int index;
        const char *text;
        char sep;
        const char *message;
    } cases[] = {
        {0, "abc", '.', "la focale de O1 (« abc ») n'est pas un nombre (séparateur décimal : point ou virgule)."},
        {8, "", ',', "le diamètre de O3' est vide."},
        {9, "44.5.", ',', "la latitude (degrés) (« 44.5. ») n'est pas un nombre (séparateur décimal : point ou virgule)."},
        {12, "1e400", '.', "la longitude (minutes) (« 1e400 ») est trop grande."},
        {4, "1,000.5", '.', "la distance A (« 1,000.5 ») n'est pas un nombre (séparateur décimal : point ou virgule)."},
    };
    for (const auto &c : cases) {
        ParamsFields texts = good;
        texts[static_cast<std::size_t>(c.index)] = c.text;
        texts[12] = c.index == 12 ? c.text : "x";  // a later bad field is not the one named
        const auto file = paramsFileText(texts, c.sep);
        EXPECT_FALSE(file.ok());
        EXPECT_EQ(file.error(), c.message);
    }
    EXPECT_STREQ(paramsFieldName(3), "le diamètre de O2");
    EXPECT_STREQ(paramsFieldName(11), "la longitude (degrés)");
    EXPECT_STREQ(paramsFieldName(13), "");
}

} // namespace
} // namespace brelo
