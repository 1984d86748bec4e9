#include "core/common/numeric_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace brelo {
namespace {

struct ValidCase {
    const char *text;
    double expected;
};

// A typed field reads either separator, whatever the locale's: the same
// value with '.' and ',' passed as the locale's.
TEST(NumericText, ReadsBothDecimalSeparatorsInEitherLocale)
{
    const ValidCase cases[] = {
        {"1000", 1000.0},   {"1000,5", 1000.5}, {"1000.5", 1000.5}, {"-35.25", -35.25},
        {"-35,25", -35.25}, {"+7", 7.0},        {" 42 ", 42.0},     {".5", 0.5},
        {",5", 0.5},        {"5.", 5.0},        {"5,", 5.0},        {"1e3", 1000.0},
        {"1,5E-2", 0.015},  {"1.5E-2", 0.015},  {"1e308", 1e308},   {"-0", -0.0},
        {"1e-400", 0.0},    {"0.000", 0.0},
    };
    for (const char locale : {'.', ','}) {
        for (const auto &c : cases) {
            const NumericText n = readNumber(c.text, locale);
            EXPECT_TRUE(n.ok()) << '"' << c.text << "\" in locale " << locale;
            EXPECT_EQ(n.value, c.expected) << '"' << c.text << "\" in locale " << locale;
        }
    }
    EXPECT_TRUE(std::signbit(readNumber("-0").value));
    const NumericText denormal = readNumber("1e-320");
    ASSERT_TRUE(denormal.ok());
    EXPECT_GT(denormal.value, 0.0);
}

// A file's own rule reads only its separator.
TEST(NumericText, FileRuleReadsOnlyItsSeparator)
{
    EXPECT_EQ(readNumberWith("1000.5", '.').value, 1000.5);
    EXPECT_EQ(readNumberWith("1000,5", '.').error, NumericTextError::NotANumber);
    EXPECT_EQ(readNumberWith("1000,5", ',').value, 1000.5);
    EXPECT_EQ(readNumberWith("1000.5", ',').error, NumericTextError::NotANumber);
    EXPECT_EQ(readNumberWith(" ", '.').error, NumericTextError::Empty);
}

struct InvalidCase {
    std::string text;
    char separator;
    NumericTextError error;
};

TEST(NumericText, RefusesWhatIsNotANumber)
{
    const InvalidCase cases[] = {
        {"", '.', NumericTextError::Empty},
        {"   ", '.', NumericTextError::Empty},
        {"abc", '.', NumericTextError::NotANumber},
        {"1 000", '.', NumericTextError::NotANumber},
        {"1,000.5", '.', NumericTextError::NotANumber},
        {"1.000,5", ',', NumericTextError::NotANumber},
        {"1,5,", ',', NumericTextError::NotANumber},
        {"nan", '.', NumericTextError::NotANumber},
        {"inf", '.', NumericTextError::NotANumber},
        {"-", '.', NumericTextError::NotANumber},
        {".", '.', NumericTextError::NotANumber},
        {"1e", '.', NumericTextError::NotANumber},
        {"1..2", '.', NumericTextError::NotANumber},
        {"0x10", '.', NumericTextError::NotANumber},
        {"12abc", '.', NumericTextError::NotANumber},
        {std::string("1\0" "2", 3), '.', NumericTextError::NotANumber},
        {std::string(400, '9'), '.', NumericTextError::TooLarge},
    };
    for (const auto &c : cases) {
        const NumericText n = readNumber(c.text, c.separator);
        EXPECT_FALSE(n.ok()) << '"' << c.text << '"';
        EXPECT_EQ(n.error, c.error) << '"' << c.text << '"';
    }
}

struct RangeCase {
    const char *text;
    NumericTextError error;
    double value;  // when read; -0.0 checks the sign too
};

// Both sides of the double range, and exponents so long that a plain integer
// would wrap: each is caught as what it is, never as a made-up number.
TEST(NumericText, RangeEdgesAndHugeExponents)
{
    constexpr auto none = NumericTextError::None;
    constexpr auto large = NumericTextError::TooLarge;
    const RangeCase cases[] = {
        {"1.7976931348623157e308", none, 1.7976931348623157e308},
        {"1.7976931348623159e308", large, 0.0},
        {"1e308", none, 1e308},
        {"1e309", large, 0.0},
        {"-1e309", large, 0.0},
        {"4.9e-324", none, 4.9e-324},
        {"2e-324", none, 0.0},
        {"-2e-324", none, -0.0},
        {"1e99999999999999999999", large, 0.0},
        {"1e-99999999999999999999", none, 0.0},
        {"-1e9223372036854775808", large, 0.0},
        {"1e+9223372036854775807", large, 0.0},
        {"-1e-9223372036854775809", none, -0.0},
        {"0e99999999999999999999", none, 0.0},
        {"0.000000001e99999999999999999999", large, 0.0},
        {"100000000000e-99999999999999999999", none, 0.0},
    };
    for (const auto &c : cases) {
        const NumericText n = readNumber(c.text, '.');
        EXPECT_EQ(n.error, c.error) << c.text;
        EXPECT_EQ(n.value, c.value) << c.text;
        EXPECT_EQ(std::signbit(n.value), std::signbit(c.value)) << c.text;
    }
}

TEST(NumericText, FieldProblemQuotesShortPrintableTexts)
{
    const std::string at24(24, 'x');
    const std::string at25(25, 'x');
    EXPECT_EQ(fieldProblem("la distance A", at24, NumericTextError::NotANumber),
              "la distance A (« " + at24 + " ») n'est pas un nombre (séparateur décimal : point ou virgule).");
    EXPECT_EQ(fieldProblem("la distance A", at25, NumericTextError::NotANumber),
              "la distance A n'est pas un nombre (séparateur décimal : point ou virgule).");
    EXPECT_EQ(fieldProblem("le diamètre de O1", "1\t2", NumericTextError::NotANumber),
              "le diamètre de O1 n'est pas un nombre (séparateur décimal : point ou virgule).");
    EXPECT_EQ(fieldProblem("la focale de O1", "", NumericTextError::Empty), "la focale de O1 est vide.");
    EXPECT_EQ(fieldProblem("la focale de O1", "1e999", NumericTextError::TooLarge),
              "la focale de O1 (« 1e999 ») est trop grande.");
}

TEST(NumericText, ReasonsFollowTheNamesGender)
{
    EXPECT_EQ(fieldProblem("le diamètre de O1", "1e999", NumericTextError::TooLarge),
              "le diamètre de O1 (« 1e999 ») est trop grand.");
    EXPECT_EQ(fieldProblem("l'année", "", NumericTextError::Empty, Gender::Feminine), "l'année est vide.");
    EXPECT_EQ(fieldProblem("l'année", "1e999", NumericTextError::TooLarge, Gender::Feminine),
              "l'année (« 1e999 ») est trop grande.");
    EXPECT_EQ(fieldProblem("le jour", "x", NumericTextError::None), "");
    EXPECT_EQ(genderOfName("la focale de O1"), Gender::Feminine);
    EXPECT_EQ(genderOfName("le diamètre de O1"), Gender::Masculine);
}

} // namespace
} // namespace brelo
