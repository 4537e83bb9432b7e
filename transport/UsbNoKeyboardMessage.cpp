#include "UsbNoKeyboardMessage.h"

#include <cstdio>

namespace zelt {

std::string UsbNoKeyboardMessage(const CUSBport& port) {
    std::string message = kNoKeyboardMessage;
    std::string where;
    std::string reason;
    if (!port.InaccessibleDevicePath().empty()) {
        where = port.InaccessibleDevicePath();
        reason = port.InaccessibleDeviceReason();
    } else if (port.LastOpenAccessDenied()) {
        where = port.devicePath;
        reason = port.LastOpenErrorText();
    } else {
        return message;
    }
    char ids[64];
    std::snprintf(ids, sizeof(ids), "(vendor %04X, product %04X)", port.expectedVendorId & 0xFFFF,
                  port.expectedProductId & 0xFFFF);
    message += "\nThe keyboard " + std::string(ids) + " is connected at " + where +
               " but cannot be opened: " + reason + ".";
    message += "\nInstall the udev rule 60-zelt.rules (see README, \"Keyboard access on Linux\") "
               "and plug the keyboard in again.";
    return message;
}

} // namespace zelt
