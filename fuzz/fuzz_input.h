#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace brelo::fuzz {

// Splits a fuzzer input into a decimal separator (the first byte chooses ','
// or '.') and `count` texts separated by line feeds; missing texts are empty.
inline std::vector<std::string> splitTexts(const std::uint8_t *data, std::size_t size,
                                           std::size_t count, char &separator)
{
    std::string_view rest(reinterpret_cast<const char *>(data), size);
    separator = !rest.empty() && (rest.front() & 1) ? ',' : '.';
    if (!rest.empty())
        rest.remove_prefix(1);
    std::vector<std::string> texts(count);
    for (std::size_t i = 0; i < count && !rest.empty(); ++i) {
        const auto end = i + 1 == count ? rest.size() : rest.find('\n');
        texts[i] = std::string(rest.substr(0, end));
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : std::min(rest.size(), end + 1));
    }
    return texts;
}

} // namespace brelo::fuzz
