#include "core/ephemeris/ephemeris_text.h"

#include "core/common/deci.h"
#include "core/common/number_text.h"
#include "core/common/translate.h"

#include <cmath>

namespace brelo {

std::string timeLikeText(double degrees)
{
    const double hours = degrees / 360.0 * 24.0;
    const double wholeHours = std::floor(hours);
    // Minutes are cut, not rounded, and there are no seconds.
    return wholeText(wholeHours) + " h " + wholeText(std::floor((hours - wholeHours) * 60.0)) + " '";
}

std::string hourAngleText(double h, char sep)
{
    std::string time = timeLikeText(std::fabs(h));
    if (h < 0.0)
        time.insert(time.begin(), '-');
    return filled(translated("ephemeris", "Angle horaire = %1° = %2"), {shownText(h, sep), time});
}

std::string shownText(float value, char sep)
{
    return numberText(deci(value), sep);
}

std::string shownText(double value, char sep)
{
    return numberText(deci(value), sep);
}

} // namespace brelo
