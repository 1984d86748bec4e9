#pragma once

#include <string>

namespace brelo {

// "<hours> h <minutes> '" of an angle in degrees at 15° an hour, both floored,
// so that -1.1° reads "-1 h 55 '": the minutes count upwards from the hour.
std::string timeLikeText(double degrees);

// Caption of lblah for the hour angle H.
std::string hourAngleText(double hourAngleDeg, char decimalSeparator);

// number(deci(v)) of a single- or double-precision value; deci works in the
// precision of its argument.
std::string shownText(float value, char decimalSeparator);
std::string shownText(double value, char decimalSeparator);

} // namespace brelo
