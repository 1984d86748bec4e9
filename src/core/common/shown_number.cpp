#include "core/common/shown_number.h"

#include "core/common/deci.h"
#include "core/common/number_text.h"
#include "core/common/translate.h"

#include <cmath>

namespace brelo {

std::optional<std::string> shownNumber(double value, char decimalSeparator)
{
    const float cut = deci(value);
    if (!std::isfinite(value) || !std::isfinite(cut))
        return std::nullopt;
    return numberText(cut, decimalSeparator);
}

std::string outOfRangeMessage()
{
    return translated("numbers", "un résultat sort des limites du calcul (valeurs trop grandes ou trop petites).");
}

} // namespace brelo
