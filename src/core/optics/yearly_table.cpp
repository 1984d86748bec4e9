#include "core/optics/yearly_table.h"

#include "core/common/deci.h"
#include "core/common/number_text.h"

#include <array>
#include <cmath>

namespace brelo {

namespace {

// Apparent diameter of the Sun, in arcseconds, on the 1st and the 15th of each month.
constexpr std::array<YearRow, 24> kYearRows = {{
    {"1er Janvier: ", 1951.8},   {"15 Janvier: ", 1951.2},
    {"1er Février: ", 1948},     {"15 Février: ", 1943.5},
    {"1er Mars: ", 1937},        {"15 Mars: ", 1930},
    {"1er Avril: ", 1920},       {"15 Avril: ", 1913},
    {"1er Mai: ", 1905},         {"15 Mai: ", 1898.5},
    {"1er Juin: ", 1892.5},      {"15 Juin: ", 1889.5},
    {"1er Juillet: ", 1887.7},   {"15 Juillet: ", 1888.2},
    {"1er Août: ", 1891},        {"15 Août: ", 1895},
    {"1er Septembre: ", 1902},   {"15 Septembre: ", 1909},
    {"1er Octobre: ", 1917},     {"15 Octobre: ", 1925},
    {"1er Novembre: ", 1934},    {"15 Novembre: ", 1940.5},
    {"1er Décembre: ", 1946.5},  {"15 Décembre: ", 1950},
}};

} // namespace

const YearRow &yearRow(int index) { return kYearRows.at(static_cast<std::size_t>(index)); }

double occultingDiscDiameter(int index, double imageScale)
{
    return yearRow(index).diameterArcsec * imageScale;
}

double finalImageDiameter(int index, double imageScale, float magnification)
{
    const double d = yearRow(index).diameterArcsec;
    // m is single precision: with a whole diameter the product m × d stays a
    // float, with a fractional one it is formed in double. Both shape the digits.
    const double product = d == std::floor(d)
        ? static_cast<double>(magnification * static_cast<float>(d))
        : static_cast<double>(magnification) * d;
    return product * imageScale;
}

std::string occultingDiscRow(int index, double imageScale, char decimalSeparator)
{
    return yearRow(index).label
        + numberText(deci(occultingDiscDiameter(index, imageScale)), decimalSeparator);
}

std::string finalImageRow(int index, double imageScale, float magnification, char decimalSeparator)
{
    return yearRow(index).label
        + numberText(deci(finalImageDiameter(index, imageScale, magnification)), decimalSeparator);
}

} // namespace brelo
