#include "common/field_fault.h"

namespace brelo {

std::string quotedForMessage(std::string_view text)
{
    if (text.size() > 24)
        return {};
    for (const unsigned char c : text)
        if (c < 0x20 || c == 0x7f)
            return {};
    return " (« " + std::string(text) + " »)";
}

std::string fieldFault(std::string_view fieldName, std::string_view text, NumericTextError error,
                       Gender gender)
{
    // An empty field has nothing to quote.
    const std::string typed = error == NumericTextError::Empty ? "" : quotedForMessage(text);
    return std::string(fieldName) + typed + " " + numericTextReason(error, gender) + ".";
}

} // namespace brelo
