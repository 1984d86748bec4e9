#include "core/ephemeris/calculephem.h"
#include "fuzz_input.h"

#include <cmath>
#include <cstdlib>

// calculephem on nine arbitrary texts: a French message, or finite P and B0
// and labels without "inf" or "nan".
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    char separator = '.';
    const auto t = brelo::fuzz::splitTexts(data, size, 9, separator);
    const auto outcome = brelo::calculephem({t[0], t[1], t[2], t[3], t[4], t[5], t[6], t[7], t[8]},
                                            separator);
    if (!outcome.ok()) {
        if (outcome.error().empty())
            std::abort();
        return 0;
    }
    const auto &r = outcome.value();
    if (!std::isfinite(r.anglep) || !std::isfinite(r.latb0))
        std::abort();
    for (const std::string *label : {&r.lblad, &r.lbldec, &r.lblah, &r.lblh, &r.lblaz, &r.lblr,
                                     &r.lblp, &r.lblb0, &r.lbll0, &r.lblksi})
        if (label->find("inf") != std::string::npos || label->find("nan") != std::string::npos)
            std::abort();
    return 0;
}
