#include "common/numeric_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace brelo {
namespace {

struct ValidCase {
    const char *text;
    char separator;
    double expected;
};

TEST(NumericText, ReadsNumbersWithTheGivenSeparator)
{
    const ValidCase cases[] = {
        {"1000", '.', 1000.0},    {"1000,5", ',', 1000.5},  {"1000.5", '.', 1000.5},
        {"-35.25", '.', -35.25},  {"+7", '.', 7.0},         {" 42 ", '.', 42.0},
        {".5", '.', 0.5},         {"5.", '.', 5.0},          {"1e3", '.', 1000.0},
        {"1,5E-2", ',', 0.015},   {"1e308", '.', 1e308},     {"-0", '.', -0.0},
        {"1e-400", '.', 0.0},     {"0.000", '.', 0.0},
    };
    for (const auto &c : cases) {
        const NumericText n = readNumber(c.text, c.separator);
        EXPECT_TRUE(n.ok()) << '"' << c.text << '"';
        EXPECT_EQ(n.value, c.expected) << '"' << c.text << '"';
    }
    EXPECT_TRUE(std::signbit(readNumber("-0", '.').value));
    const NumericText denormal = readNumber("1e-320", '.');
    ASSERT_TRUE(denormal.ok());
    EXPECT_GT(denormal.value, 0.0);
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
        {"1.5", ',', NumericTextError::NotANumber},
        {"1,5", '.', NumericTextError::NotANumber},
        {"1 000", '.', NumericTextError::NotANumber},
        {"nan", '.', NumericTextError::NotANumber},
        {"inf", '.', NumericTextError::NotANumber},
        {"-", '.', NumericTextError::NotANumber},
        {".", '.', NumericTextError::NotANumber},
        {"1e", '.', NumericTextError::NotANumber},
        {"1..2", '.', NumericTextError::NotANumber},
        {"0x10", '.', NumericTextError::NotANumber},
        {"12abc", '.', NumericTextError::NotANumber},
        {std::string("1\0" "2", 3), '.', NumericTextError::NotANumber},
        {"1e400", '.', NumericTextError::TooLarge},
        {"-1e99999999999999999999", '.', NumericTextError::TooLarge},
        {std::string(400, '9'), '.', NumericTextError::TooLarge},
    };
    for (const auto &c : cases) {
        const NumericText n = readNumber(c.text, c.separator);
        EXPECT_FALSE(n.ok()) << '"' << c.text << '"';
        EXPECT_EQ(n.error, c.error) << '"' << c.text << '"';
    }
}

TEST(NumericText, ReasonsAreFrench)
{
    EXPECT_EQ(numericTextReason(NumericTextError::Empty), "est vide");
    EXPECT_EQ(numericTextReason(NumericTextError::NotANumber), "n'est pas un nombre");
    EXPECT_EQ(numericTextReason(NumericTextError::TooLarge), "est trop grand");
    EXPECT_EQ(numericTextReason(NumericTextError::TooLarge, Gender::Feminine), "est trop grande");
    EXPECT_EQ(numericTextReason(NumericTextError::Empty, Gender::Feminine), "est vide");
    EXPECT_EQ(genderOfName("la focale de O1"), Gender::Feminine);
    EXPECT_EQ(genderOfName("le diamètre de O1"), Gender::Masculine);
}

} // namespace
} // namespace brelo
