#include "core/common/deci.h"
#include "core/common/number_text.h"
#include "core/common/numeric_text.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

// Any text either reads as a finite number or is refused; a finite number
// passed through deci shows without "inf" or "nan".
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    for (const char separator : {'.', ','}) {
        const brelo::NumericText n = brelo::readNumber(text, separator);
        if (!n.ok())
            continue;
        if (!std::isfinite(n.value))
            std::abort();
        const float cut = brelo::deci(n.value);
        if (std::isfinite(cut) && brelo::numberText(cut, separator).find_first_of("in") != std::string::npos)
            std::abort();
    }
    return 0;
}
