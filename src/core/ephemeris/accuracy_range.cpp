#include "core/ephemeris/accuracy_range.h"

namespace brelo {

bool withinStatedAccuracy(double year)
{
    return year >= kAccurateFirstYear && year <= kAccurateLastYear;
}

std::string accuracyNotice(double year)
{
    if (withinStatedAccuracy(year))
        return {};
    return "La précision annoncée dans l'aide vaut pour les années " + std::to_string(kAccurateFirstYear)
           + " à " + std::to_string(kAccurateLastYear)
           + " ; hors de cette période, les écarts peuvent être plus grands.";
}

} // namespace brelo
