#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace zelt {

// The parts one after the other. Messages are put together with this rather than with
// "literal" + std::string, which GCC 12 at -O3 wrongly reports as an overlapping copy.
inline std::string JoinText(std::initializer_list<std::string_view> parts) {
    std::size_t size = 0;
    for (std::string_view part : parts) {
        size += part.size();
    }
    std::string text;
    text.reserve(size);
    for (std::string_view part : parts) {
        text.append(part);
    }
    return text;
}

} // namespace zelt
