#pragma once

#include <string>
#include <string_view>

namespace zelt {

// The decimal form of an ASCII-mode content: every plain character becomes its byte value in
// brackets ("A1" gives "[65][49]"); "[Separator]", "[Caps]", "[CR]", "[Delay1]".."[Delay250]"
// and a lone "[ShiftLevel1]".."[ShiftLevel9]" are kept; escaped brackets ("[[", "]]") give
// nothing, and a single "]" ends the form. A content the form cannot express (any other
// keyword, a delay out of range, an unterminated keyword) gives the empty string.
std::string DecimalForm(std::string_view content);

// Every token of a decimal form ends with exactly one "]", so the number of "]" before a
// position is the index of the token there.
int TokenIndex(std::string_view decimalForm, int position);

} // namespace zelt
