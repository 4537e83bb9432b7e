#pragma once

// The usual key contents encoded in one tight loop. Internal to the key content functions
// (KeyContent.h is the interface).

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace zelt::encoding {

// Encodes plain characters, literal brackets, keywords of the table and delays exactly as the
// general walk (ScanKeyContent and the Encoder) does, and the rarer elements by the same rules
// one at a time. It gives up on what only the general walk follows (a keyword left open, plain
// characters or a 0x00 after a scan code, a text longer than kLongestText); the caller then
// takes the general walk instead.
//
// The loop reads the text sixteen bytes at a time and stores codes as whole words without
// checking for either end: the text is first copied here with zeros behind it (a 0x00 stops
// every search), and the record is written here with slack behind it, so that nothing outside
// the caller's text is read and only the record's own bytes are handed back.
class FastRecordEncoder {
public:
    // A record's bytes, or no bytes at all (data nullptr) when only the general walk can tell.
    struct Record {
        const std::uint8_t* data = nullptr;
        std::size_t size = 0;

        explicit operator bool() const { return data != nullptr; }
    };

    // No longer text fits a key area whole.
    static constexpr std::size_t kLongestText = 2048;

    // The record of text, valid until the next call.
    Record Encode(std::string_view text);

    // What GetEncodedSize counts for text; nothing when the general walk must say. Gives up
    // on anything but plain characters, literal brackets, keywords of the table and delays.
    std::optional<int> EncodedSize(std::string_view text);

private:
    static constexpr std::size_t kTextPadding = 32;
    static constexpr std::size_t kRecordSlack = 16;

    const char* CopyText(std::string_view text);

    alignas(16) std::array<char, kLongestText + kTextPadding> text_;
    // The lead byte of a scan-code record, then the codes.
    alignas(16) std::array<std::uint8_t, 1 + kLongestText + kRecordSlack> record_;
};

} // namespace zelt::encoding
