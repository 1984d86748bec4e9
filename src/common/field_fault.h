#pragma once

#include "common/numeric_text.h"

#include <string>
#include <string_view>

namespace brelo {

// What the user typed, quoted for a message (" (« 1,5. »)"), or nothing when it
// is too long or holds control characters to be worth repeating.
std::string quotedForMessage(std::string_view text);

// Why a field is not a number, naming it as the window labels it:
// "la focale de O1 (« abc ») n'est pas un nombre.", "le mois est vide.".
std::string fieldFault(std::string_view fieldName, std::string_view text, NumericTextError error,
                       Gender gender);

} // namespace brelo
