#include "Windows1252.h"

#include <gtest/gtest.h>

#include <set>

namespace zelt {
namespace {

TEST(Windows1252, EveryByteHasItsOwnCharacterAndConvertsBack) {
    std::set<char32_t> seen;
    for (int b = 0; b < 256; ++b) {
        const char32_t c = Windows1252ToUnicode(static_cast<std::uint8_t>(b));
        EXPECT_TRUE(seen.insert(c).second) << b;
        EXPECT_EQ(UnicodeToWindows1252(c), b) << b;
    }
}

TEST(Windows1252, KnownCharacters) {
    EXPECT_EQ(Windows1252ToUnicode(0x41), U'A');
    EXPECT_EQ(Windows1252ToUnicode(0x80), U'\u20AC');
    EXPECT_EQ(Windows1252ToUnicode(0x9F), U'\u0178');
    EXPECT_EQ(Windows1252ToUnicode(0x81), U'\u0081');
    EXPECT_EQ(Windows1252ToUnicode(0xE9), U'\u00E9');
    EXPECT_EQ(Windows1252ToUnicode(0xFF), U'\u00FF');
}

TEST(Windows1252, CharactersOutsideTheCodePage) {
    // Latin-1 controls that the code page replaced, and characters it never had.
    for (const char32_t c :
         {U'\u0080', U'\u0085', U'\u009F', U'\u0100', U'\u03A9', U'\u4E2D', char32_t{0x1F600}}) {
        EXPECT_FALSE(UnicodeToWindows1252(c).has_value()) << static_cast<unsigned>(c);
    }
}

} // namespace
} // namespace zelt
