#pragma once

#include <string>

namespace zelt {

// Appends value in decimal, without the allocation and locale handling of std::to_string.
inline void AppendDecimal(std::string& out, int value) {
    char digits[12];
    int n = 0;
    unsigned v = value < 0 ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
    do {
        digits[n++] = static_cast<char>('0' + v % 10);
        v /= 10;
    } while (v != 0);
    if (value < 0) {
        out.push_back('-');
    }
    while (n > 0) {
        out.push_back(digits[--n]);
    }
}

} // namespace zelt
