#pragma once

#include <span>
#include <string_view>

namespace zelt {

// The entries of the scan code list in "Input Scan Code", in the order shown. The empty entry
// divides the keyboard keys from the system and media keys; choosing it enters nothing.
std::span<const std::string_view> ScanCodeChoices();

// The entry the list starts on.
inline constexpr std::string_view kInitialScanCodeChoice = "[F6]";

} // namespace zelt
