#pragma once

#include <string>

namespace brelo {

// "<hours> h <minutes> '" of an angle in degrees at 15° an hour, both floored:
// the minutes are cut, not rounded. Used as is for the right ascension.
std::string timeLikeText(double degrees);

// Caption of lblah for the hour angle H. A negative H shows the hours and
// minutes of its magnitude after the sign, so -1.1° reads "-0 h 4 '" and not
// the floored "-1 h 55 '" that everyone reads as 1 h 55 min East.
std::string hourAngleText(double hourAngleDeg, char decimalSeparator);

// number(deci(v)) of a single- or double-precision value; deci works in the
// precision of its argument.
std::string shownText(float value, char decimalSeparator);
std::string shownText(double value, char decimalSeparator);

} // namespace brelo
