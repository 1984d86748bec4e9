#pragma once

#include <optional>
#include <string>

namespace brelo {

// The text of a number a label shows: cut by deci, then written as number text.
// Nothing when the value or its cut is not finite, so that no made-up number
// reaches the window.
std::optional<std::string> shownNumber(double value, char decimalSeparator);

// What the user is told when a result cannot be shown as a finite number.
std::string outOfRangeMessage();

} // namespace brelo
