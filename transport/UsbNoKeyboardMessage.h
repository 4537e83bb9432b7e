#pragma once

#include "CUSBport.h"

#include <string>

namespace zelt {

inline constexpr const char* kNoKeyboardMessage = "There is no RM series keyboard connected!";

// kNoKeyboardMessage, with two more lines when the last search or open met the keyboard but
// was refused access to it (on Linux: its hidraw node lacks the udev rule's permission).
std::string UsbNoKeyboardMessage(const CUSBport& port);

} // namespace zelt
