#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelt {

// Where one token of the decimal form stands in the content: a plain character or a whole
// keyword that the decimal form keeps.
struct TokenSpan {
    std::size_t begin;
    std::size_t end;

    friend bool operator==(const TokenSpan&, const TokenSpan&) = default;
};

// The tokens of a content's decimal form, in order. Escaped brackets ("[[", "]]") give no
// token.
struct DecimalFormTokens {
    std::vector<TokenSpan> tokens;
    // False when the form ends at a single "]": what follows it is not part of the form.
    bool complete = true;
};

// Splits an ASCII-mode content into the tokens of its decimal form; nothing when the form
// cannot express the content (any keyword it does not keep, a delay out of range, an
// unterminated keyword).
std::optional<DecimalFormTokens> SplitDecimalForm(std::string_view content);

// The decimal form of an ASCII-mode content: every plain character becomes its byte value in
// brackets ("A1" gives "[65][49]"); "[Separator]", "[Caps]", "[CR]", "[Delay1]".."[Delay250]"
// and a lone "[ShiftLevel1]".."[ShiftLevel9]" are kept; escaped brackets ("[[", "]]") give
// nothing, and a single "]" ends the form. A content the form cannot express gives the empty
// string.
std::string DecimalForm(std::string_view content);

// The decimal form the decimal display shows for a content: empty when the content is not a
// valid ASCII-mode content.
std::string ShownDecimalForm(std::string_view content);

// Every token of a decimal form ends with exactly one "]", so the number of "]" before a
// position is the index of the token there.
int TokenIndex(std::string_view decimalForm, int position);

} // namespace zelt
