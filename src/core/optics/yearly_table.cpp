#include "core/optics/yearly_table.h"

#include "core/common/deci.h"
#include "core/common/number_text.h"
#include "core/common/translate.h"

#include <array>
#include <cmath>

namespace brelo {

namespace {

// Apparent diameter of the Sun, in arcseconds, on the 1st and the 15th of each month.
constexpr std::array<YearRow, 24> kYearRows = {{
    {QT_TRANSLATE_NOOP("optics", "1er Janvier: "), 1951.8},
    {QT_TRANSLATE_NOOP("optics", "15 Janvier: "), 1951.2},
    {QT_TRANSLATE_NOOP("optics", "1er Février: "), 1948},
    {QT_TRANSLATE_NOOP("optics", "15 Février: "), 1943.5},
    {QT_TRANSLATE_NOOP("optics", "1er Mars: "), 1937},
    {QT_TRANSLATE_NOOP("optics", "15 Mars: "), 1930},
    {QT_TRANSLATE_NOOP("optics", "1er Avril: "), 1920},
    {QT_TRANSLATE_NOOP("optics", "15 Avril: "), 1913},
    {QT_TRANSLATE_NOOP("optics", "1er Mai: "), 1905},
    {QT_TRANSLATE_NOOP("optics", "15 Mai: "), 1898.5},
    {QT_TRANSLATE_NOOP("optics", "1er Juin: "), 1892.5},
    {QT_TRANSLATE_NOOP("optics", "15 Juin: "), 1889.5},
    {QT_TRANSLATE_NOOP("optics", "1er Juillet: "), 1887.7},
    {QT_TRANSLATE_NOOP("optics", "15 Juillet: "), 1888.2},
    {QT_TRANSLATE_NOOP("optics", "1er Août: "), 1891},
    {QT_TRANSLATE_NOOP("optics", "15 Août: "), 1895},
    {QT_TRANSLATE_NOOP("optics", "1er Septembre: "), 1902},
    {QT_TRANSLATE_NOOP("optics", "15 Septembre: "), 1909},
    {QT_TRANSLATE_NOOP("optics", "1er Octobre: "), 1917},
    {QT_TRANSLATE_NOOP("optics", "15 Octobre: "), 1925},
    {QT_TRANSLATE_NOOP("optics", "1er Novembre: "), 1934},
    {QT_TRANSLATE_NOOP("optics", "15 Novembre: "), 1940.5},
    {QT_TRANSLATE_NOOP("optics", "1er Décembre: "), 1946.5},
    {QT_TRANSLATE_NOOP("optics", "15 Décembre: "), 1950},
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
    return translated("optics", yearRow(index).label)
        + numberText(deci(occultingDiscDiameter(index, imageScale)), decimalSeparator);
}

std::string finalImageRow(int index, double imageScale, float magnification, char decimalSeparator)
{
    return translated("optics", yearRow(index).label)
        + numberText(deci(finalImageDiameter(index, imageScale, magnification)), decimalSeparator);
}

} // namespace brelo
