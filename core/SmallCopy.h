#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace zelt {

// Copies n bytes that do not overlap. Key contents come in runs of a few bytes, for which a
// call to memcpy costs more than the copy; this copies up to 16 bytes with two overlapping
// loads and stores and leaves longer runs to memcpy.
inline void CopySmall(void* to, const void* from, std::size_t n) {
    auto* d = static_cast<unsigned char*>(to);
    const auto* s = static_cast<const unsigned char*>(from);
    if (n >= 8) {
        if (n > 16) {
            std::memcpy(d, s, n);
            return;
        }
        std::uint64_t head;
        std::uint64_t tail;
        std::memcpy(&head, s, 8);
        std::memcpy(&tail, s + n - 8, 8);
        std::memcpy(d, &head, 8);
        std::memcpy(d + n - 8, &tail, 8);
    } else if (n >= 4) {
        std::uint32_t head;
        std::uint32_t tail;
        std::memcpy(&head, s, 4);
        std::memcpy(&tail, s + n - 4, 4);
        std::memcpy(d, &head, 4);
        std::memcpy(d + n - 4, &tail, 4);
    } else {
        for (std::size_t i = 0; i < n; ++i) {
            d[i] = s[i];
        }
    }
}

} // namespace zelt
