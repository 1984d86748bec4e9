#include "fuzz_input.h"
#include "core/optics/calcul.h"

#include <cstdlib>

// calcul on six arbitrary texts: either a French message, or results whose
// texts never show "inf" or "nan".
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    char separator = '.';
    const auto t = brelo::fuzz::splitTexts(data, size, 6, separator);
    const auto outcome = brelo::calcul({t[0], t[1], t[2], t[3], t[4], t[5]}, separator);
    if (!outcome.ok()) {
        if (outcome.error().empty())
            std::abort();
        return 0;
    }
    const auto &r = outcome.value();
    for (const std::string *label : {&r.lblb, &r.lblx, &r.lblc, &r.lblfocresult, &r.lblfd,
                                     &r.lbldiscmin, &r.lbldiscmax})
        if (label->find("inf") != std::string::npos || label->find("nan") != std::string::npos)
            std::abort();
    return 0;
}
