#include "core/ephemeris/accuracy_range.h"

#include "core/common/translate.h"

namespace brelo {

bool withinStatedAccuracy(double year)
{
    return year >= kAccurateFirstYear && year <= kAccurateLastYear;
}

std::string accuracyNotice(double year)
{
    if (withinStatedAccuracy(year))
        return {};
    return filled(translated("ephemeris", "La précision annoncée dans l'aide vaut pour les années %1 à %2 ; hors de "
                                          "cette période, les écarts peuvent être plus grands."),
                  {std::to_string(kAccurateFirstYear), std::to_string(kAccurateLastYear)});
}

} // namespace brelo
