#include "core/common/angles.h"
#include "core/common/deci.h"
#include "core/common/number_text.h"

#include <gtest/gtest.h>

namespace brelo {
namespace {

struct ShownCase {
    double value;  // passed through deci as a double, as the optics does
    const char *point;
    const char *comma;
};

TEST(NumberText, ShowsDeciOfDoublesAsTheLabelsDo)
{
    const ShownCase cases[] = {
        {248.19277, "248.192", "248,192"},   {-35.2941, "-35.295", "-35,295"},
        {9.16054, "9.16", "9,16"},           {12345.6789, "12345.68", "12345,68"},
        {1000.0, "1000", "1000"},            {2.3819, "2.381", "2,381"},
        {11.1111, "11.111", "11,111"},       {0.5, "0.5", "0,5"},
        {0.0004, "0", "0"},                  {-0.0004, "-0.001", "-0,001"},
        {-0.0, "0", "0"},                    {9999999.0, "9999999", "9999999"},
        {12345678.0, "1.234568E+07", "1,234568E+07"},
        {1e20, "1E+20", "1E+20"},            {-3e8, "-3E+08", "-3E+08"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(numberText(deci(c.value), '.'), c.point) << c.value;
        EXPECT_EQ(numberText(deci(c.value), ','), c.comma) << c.value;
    }
}

// Where the plain form gives way to the exponent form (eight digits before the
// separator) and where the exponent takes its second digit: both sides of each.
TEST(NumberText, ExponentFormBoundaries)
{
    const ShownCase cases[] = {
        {9999999.4, "9999999", "9999999"},
        {9999999.5, "1E+07", "1E+07"},  // the float of deci rounds up to 10^7
        {-9999999.0, "-9999999", "-9999999"},
        {-10000000.0, "-1E+07", "-1E+07"},
        {10000001.0, "1E+07", "1E+07"},
        {10000010.0, "1.000001E+07", "1,000001E+07"},
        {9999998976.0, "9.999999E+09", "9,999999E+09"},  // the float just below 10^10
        {1e10, "1E+10", "1E+10"},
        {10000001024.0, "1E+10", "1E+10"},                // the float just above
        {-12345678901.0, "-1.234568E+10", "-1,234568E+10"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(numberText(deci(c.value), '.'), c.point) << c.value;
        EXPECT_EQ(numberText(deci(c.value), ','), c.comma) << c.value;
    }
}

TEST(NumberText, SmallMagnitudesStayInPlainForm)
{
    EXPECT_EQ(numberText(0.001f, '.'), "0.001");
    EXPECT_EQ(numberText(-0.0001234f, '.'), "-0.0001234");
    EXPECT_EQ(numberText(1.5e-10f, ','), "0,00000000015");
}

TEST(Deci, FloatAndDoublePathsDifferWhereThePrecisionDoes)
{
    // The altitude of the panel defaults: the float product keeps -68.063, a
    // double product of the same float would floor to -68.064.
    const float altitude = -68.063f;
    EXPECT_EQ(numberText(deci(altitude), '.'), "-68.063");
    EXPECT_EQ(numberText(deci(static_cast<double>(altitude)), '.'), "-68.064");
    EXPECT_EQ(deci(12345.6789), 12345.677734375f);
    EXPECT_EQ(numberText(deci(-2.9534), '.'), "-2.954");
}

TEST(WholeText, WritesIntegersWithoutDecimals)
{
    EXPECT_EQ(wholeText(13.0), "13");
    EXPECT_EQ(wholeText(-1.0), "-1");
    EXPECT_EQ(wholeText(-0.0), "0");
    EXPECT_EQ(wholeText(2451544.0), "2451544");
}

TEST(Angles, UseTheSinglePrecisionPi)
{
    EXPECT_EQ(static_cast<double>(kPi), 3.1415927410125732);
    EXPECT_DOUBLE_EQ(degToRad(180.0), 3.1415927410125732);
    EXPECT_EQ(radToDeg(degToRad(90.0)), 90.0);
}

} // namespace
} // namespace brelo
