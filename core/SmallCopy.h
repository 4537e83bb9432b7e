#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace zelt {

// Key contents come in runs of a few bytes, for which a call to memcpy or memmove costs more
// than the copy. These copy up to 64 bytes with overlapping loads and stores, and fewer than
// four with three single bytes (first, middle, last), and leave longer runs to the library.
// Up to 64 bytes, every byte is loaded before any is stored, so the same code also moves bytes
// where source and destination overlap.

// Copies n bytes that do not overlap.
inline void CopySmall(void* to, const void* from, std::size_t n) {
    auto* d = static_cast<unsigned char*>(to);
    const auto* s = static_cast<const unsigned char*>(from);
    if (n > 16) {
        if (n > 64) {
            std::memcpy(d, s, n);
            return;
        }
        // Up to 64 bytes as two halves of up to 32, each as two overlapping 16-byte pieces.
        const std::size_t half = n > 32 ? 32 : 16;
        unsigned char head[32];
        unsigned char tail[32];
        std::memcpy(head, s, 16);
        std::memcpy(head + 16, s + half - 16, 16);
        std::memcpy(tail, s + n - half, 16);
        std::memcpy(tail + 16, s + n - 16, 16);
        std::memcpy(d, head, 16);
        std::memcpy(d + half - 16, head + 16, 16);
        std::memcpy(d + n - half, tail, 16);
        std::memcpy(d + n - 16, tail + 16, 16);
    } else if (n >= 8) {
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
    } else if (n > 0) {
        const unsigned char first = s[0];
        const unsigned char middle = s[n / 2];
        const unsigned char last = s[n - 1];
        d[0] = first;
        d[n / 2] = middle;
        d[n - 1] = last;
    }
}

// Moves n bytes that may overlap.
inline void MoveSmall(void* to, const void* from, std::size_t n) {
    if (n > 64) {
        std::memmove(to, from, n);
        return;
    }
    CopySmall(to, from, n);
}

} // namespace zelt
