#include "params_file_invariants.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view contents(reinterpret_cast<const char *>(data), size);
    const std::string violation = brelo::paramsFileViolation(contents);
    if (!violation.empty()) {
        std::fprintf(stderr, "brelo.dat parser: %s\n", violation.c_str());
        std::abort();
    }
    return 0;
}
