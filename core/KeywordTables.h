#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zelt {

// The keyword vocabulary of scan code mode: one-byte keys (table N, with aliases), extended
// keys after E0 (table E), consumer and system keys after E0 (table C), the multi-byte keys
// (table M) and the function keywords (table F).

// Keyword shown for a one-byte code of a scan-code record, or "" when the code has none.
// Also names 0xF0 ("[0F0]") and 0xFE ("[Separator]"). For 0xFD the caller passes the byte
// that follows (the delay value, which the caller consumes): 0xFC gives "", 0 gives
// "[Delay1]", a value above 250 gives "[Delay249]", any other n gives "[Delay" n "]".
std::string NormalKeywordName(std::uint8_t code, std::uint8_t delayByte = 0);

// Keyword of table E for the byte after E0, else of table C, else "".
std::string ExtendedKeywordName(std::uint8_t codeAfterE0);

// Keyword of table C for the byte after E0, else "".
std::string ConsumerKeywordName(std::uint8_t codeAfterE0);

// Bytes of a scan-code keyword of tables N (with aliases), E, C and M, "[0E0]" or "[0F0]";
// "" when the keyword is not one of them. Brackets included, exact and case-sensitive.
std::string ScanCodeKeywordBytes(std::string_view keyword);

} // namespace zelt
