#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace zelt::words {

// Key contents are scanned eight bytes at a time: a byte string is read into a 64-bit word with
// its first byte in the lowest eight bits, whatever the machine's byte order, and bytes of
// interest are found with a few arithmetic operations on the whole word.

inline constexpr std::uint64_t kOnes = 0x0101010101010101ull;
inline constexpr std::uint64_t kHighBits = 0x8080808080808080ull;

// The bytes p[0..count) (count at most 8) as a word, the bytes beyond count zero. Never reads
// outside p[0..count).
constexpr std::uint64_t LoadWord(const char* p, std::size_t count) {
    if (std::is_constant_evaluated() || std::endian::native != std::endian::little) {
        std::uint64_t w = 0;
        for (std::size_t i = 0; i < count; ++i) {
            w |= std::uint64_t{static_cast<std::uint8_t>(p[i])} << (8 * i);
        }
        return w;
    }
    std::uint64_t w = 0;
    if (count >= 8) {
        std::memcpy(&w, p, 8);
    } else if (count >= 4) {
        // Two loads that overlap cover four to eight bytes without a loop.
        std::uint32_t low;
        std::uint32_t high;
        std::memcpy(&low, p, 4);
        std::memcpy(&high, p + count - 4, 4);
        w = low | (std::uint64_t{high} << (8 * (count - 4)));
    } else if (count > 0) {
        w = static_cast<std::uint8_t>(p[0]);
        if (count > 1) {
            w |= std::uint64_t{static_cast<std::uint8_t>(p[1])} << 8;
            if (count > 2) {
                w |= std::uint64_t{static_cast<std::uint8_t>(p[2])} << 16;
            }
        }
    }
    return w;
}

// The high bit of every byte of w that equals b. Only the lowest bit set is sure: a borrow can
// also mark a byte just above a match, which callers never look at.
constexpr std::uint64_t BytesEqualTo(std::uint64_t w, std::uint8_t b) {
    const std::uint64_t x = w ^ (kOnes * b);
    return (x - kOnes) & ~x & kHighBits;
}

// Index (0..7) of the byte whose high bit is the lowest set in marks; marks must not be 0.
constexpr std::size_t FirstMarkedByte(std::uint64_t marks) {
    return static_cast<std::size_t>(static_cast<unsigned>(std::countr_zero(marks)) >> 3);
}

// The bytes of w up to and including the first marked one, the bytes above it zero; marks
// must not be 0.
constexpr std::uint64_t BytesThroughFirstMark(std::uint64_t w, std::uint64_t marks) {
    // Every bit up to the lowest set bit of marks, which is the high bit of the marked byte.
    return w & (marks ^ (marks - 1));
}

// The positions of byte b among the eight bytes of w, one bit each (bit i for byte i),
// exactly: no borrow runs from one byte into the next, and the marks are gathered into the
// lowest eight bits by one multiplication.
constexpr std::uint32_t Bytes8EqualTo(std::uint64_t w, std::uint8_t b) {
    const std::uint64_t x = w ^ (kOnes * b);
    constexpr std::uint64_t kLowSevenBits = ~kHighBits;
    const std::uint64_t zero = ~(((x & kLowSevenBits) + kLowSevenBits) | x) & kHighBits;
    return static_cast<std::uint32_t>(((zero >> 7) * 0x0102040810204080ull) >> 56);
}

// The positions of byte b among the 16 bytes at p, one bit each (bit i for p[i]).
inline std::uint32_t Bytes16EqualTo(const char* p, char b) {
#if defined(__SSE2__)
    // One comparison of all 16 bytes; every x86-64 processor has it.
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    return static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(b))));
#else
    const auto byte = static_cast<std::uint8_t>(b);
    return Bytes8EqualTo(LoadWord(p, 8), byte) | Bytes8EqualTo(LoadWord(p + 8, 8), byte) << 8;
#endif
}

// The positions of any of the given bytes among the 16 bytes at p, one bit each.
template <class... Bytes> inline std::uint32_t Bytes16EqualToAnyOf(const char* p, Bytes... bytes) {
#if defined(__SSE2__)
    // The 16 bytes are read once and compared with each byte; the marks are gathered once.
    const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    __m128i any = _mm_setzero_si128();
    ((any = _mm_or_si128(any, _mm_cmpeq_epi8(chunk, _mm_set1_epi8(static_cast<char>(bytes))))),
     ...);
    return static_cast<std::uint32_t>(_mm_movemask_epi8(any));
#else
    return (Bytes16EqualTo(p, static_cast<char>(bytes)) | ...);
#endif
}

} // namespace zelt::words
