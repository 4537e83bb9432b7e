#pragma once

#include "KeywordTables.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zelt::testing {

// Key content texts of every kind, from a fixed seed so that a failure can be replayed. The
// random numbers come from splitmix64, which gives the same sequence on every platform.
class ContentGenerator {
public:
    enum class Kind { Ascii, ScanCode, ShiftLevel, Mixed };

    explicit ContentGenerator(std::uint64_t seed) : state_(seed) {}

    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }
    bool OneIn(int n) { return Below(n) == 0; }

    std::string Content(Kind kind) {
        std::string text;
        const int pieces = Below(8);
        if (kind == Kind::ShiftLevel) {
            text = "[ShiftLevel" + std::to_string(Below(10)) + "]";
            if (OneIn(8)) {
                text += Piece(Kind::Mixed);
            }
            return text;
        }
        for (int i = 0; i < pieces; ++i) {
            text += Piece(kind);
        }
        return text;
    }

    Kind AnyKind() { return static_cast<Kind>(Below(4)); }

private:
    std::string Delay() {
        // Mostly valid, with leading zeros now and then; sometimes out of range.
        int value = OneIn(10) ? Below(1000) : 1 + Below(250);
        std::string digits = std::to_string(value);
        while (digits.size() < 3 && OneIn(3)) {
            digits = "0" + digits;
        }
        return "[Delay" + digits + "]";
    }

    std::string ScanKeyword() {
        const auto keywords = ScanCodeKeywords();
        return std::string(
            keywords[static_cast<std::size_t>(Below(static_cast<int>(keywords.size())))].name);
    }

    std::string AsciiPiece() {
        switch (Below(12)) {
        case 0:
            return "[[";
        case 1:
            return "]]";
        case 2:
            return "[CR]";
        case 3:
            return "[Caps]";
        case 4:
            return "[Separator]";
        case 5:
            return Delay();
        case 6:
            // A raw byte, any value but the brackets; 0x00, 0xFD and 0xFF make the text invalid.
            for (;;) {
                const int b = OneIn(4) ? Below(256) : 1 + Below(255);
                if (b != '[' && b != ']') {
                    return std::string(1, static_cast<char>(b));
                }
            }
        case 7:
            return "[CR]]]"; // a keyword and a literal "]" next to it
        case 8:
            return "[[[CR]";
        default: {
            std::string run;
            for (int i = Below(4); i >= 0; --i) {
                run += static_cast<char>(0x20 + Below(0x5F));
            }
            return run;
        }
        }
    }

    std::string ScanPiece() {
        switch (Below(10)) {
        case 0:
            return "[Separator]";
        case 1:
            return Delay();
        case 2:
            return "[0E0]";
        case 3:
            return "[0F0]";
        case 4:
            return "[0E0][0F0]";
        default:
            return ScanKeyword();
        }
    }

    std::string Piece(Kind kind) {
        switch (kind) {
        case Kind::Ascii:
            return AsciiPiece();
        case Kind::ScanCode:
            return ScanPiece();
        default:
            break;
        }
        switch (Below(8)) {
        case 0:
            return "[";
        case 1:
            return "]";
        case 2:
            return "[ShiftLevel" + std::to_string(Below(10)) + "]";
        case 3:
        case 4:
            return AsciiPiece();
        default:
            return ScanPiece();
        }
    }

    std::uint64_t state_;
};

} // namespace zelt::testing
