#pragma once

#include "view/ViewState.h"

#include <string>

namespace zelt {

inline constexpr const char* kKeyNameCaption = "Key Name:";
inline constexpr const char* kKeyContentCaption = "Key content:";
inline constexpr const char* kSpaceLeftCaption = "Total space left (bytes):";
inline constexpr const char* kScanCodeModeText = "ScanCode Mode";
inline constexpr const char* kAsciiModeText = "ASCII Mode";
inline constexpr const char* kAsciiDecimalModeText = "ASCII Decimal Mode";
inline constexpr const char* kAsciiHint = "Use Mouse or <Shift> + <Arrow> to Select Key.";
inline constexpr const char* kScanCodeHint =
    "Use Mouse or <Shift> + <Arrow> to Select Key. Use <ESC> then <Func Key> to Input Function "
    "Key Code.";
inline constexpr const char* kLegendBlack = "Black Key: blank key";
inline constexpr const char* kLegendBlue = "Blue Key";
inline constexpr const char* kLegendDefined = ": defined key";
inline constexpr const char* kLegendGreen = "Green Key";
inline constexpr const char* kLegendModified = ": modified key";
inline constexpr const char* kPortNamePrefix = "Port Name: ";

// "ScanCode Mode", "ASCII Mode" or "ASCII Decimal Mode" for the selected key.
std::string ModeText(const ViewState& state);

// The hint line above the key picture.
std::string HintText(const ViewState& state);

// "Port Name: " and the port in use.
std::string PortNameText(const ViewState& state);

} // namespace zelt
