#pragma once

#include "HidBackend.h"
#include "Sleeper.h"
#include "Trace.h"
#include "UsbWireFormat.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

namespace zelt {

// The identity the program looks for. The product string only has to begin with this text.
inline constexpr const char* kExpectedProductString = "RM0480U";
inline constexpr int kExpectedVendorId = 0x1A2B;
inline constexpr int kExpectedProductId = 0xC280;

// The discovery looks at this many indices of the HID interface listing.
inline constexpr int kHidSearchIndices = 20;
// The keyboard-class search runs until the listing reports no more items. A listing that never
// says so (a broken driver stack) must not hang the program, so it stops at this many.
inline constexpr int kKeyboardSearchLimit = 1024;
// Platform code whose search runs over the keyboard interface class.
inline constexpr int kKeyboardClassPlatformCode = 6;

struct InterfaceSearch;

// The USB transport: finds the keyboard among the HID devices, checks its identity and moves
// numbered 32-byte blocks with 9-byte feature reports. It knows nothing of the image's meaning.
//
// Usage: set the expected identity and the platform code right after construction, run
// FindHIDDevice once; then per transfer OpenHIDDevice, block operations, CloseHIDDevice.
// Every operation returns true on success and false on failure and never shows anything;
// callers retry and report. Trace lines go to the TraceSink.
class CUSBport {
public:
    // The backend, sleeper and trace sink must outlive the port.
    CUSBport(HidBackend& backend, Sleeper& sleeper, TraceSink& trace);
    CUSBport(const CUSBport&) = delete;
    CUSBport& operator=(const CUSBport&) = delete;
    ~CUSBport();

    // Opens devicePath. Replaces (and closes) a device that is still open.
    bool OpenHIDDevice();
    // Closes the device if one is open.
    void CloseHIDDevice();
    bool IsOpen() const { return deviceHandle_ != nullptr; }

    // Identity check of the open device: product string beginning with the expected text
    // (compared case-sensitively over the expected text's length), vendor and product id equal.
    bool CheckHIDParam();
    // Sends one command report; nCmd and nPackageNo are taken as unsigned bytes.
    bool SendHIDCmdAddr(int nCmd, int nPackageNo);
    // Reads block nPackageNo into blockBuffer (32 data bytes, then the received checksum);
    // true only when all nine reports arrived and the checksum holds. Waits 200 ms after the
    // command. The buffer holds the received bytes even when the checksum fails.
    bool GetHIDBlockData(int nPackageNo);
    // Writes the first 32 bytes of blockBuffer as block nPackageNo; true when the command and
    // all nine data reports were accepted.
    bool SendHIDBlockData(int nPackageNo);
    // One get-feature request, all bytes 0 beforehand; the answer's bytes are not looked at.
    bool GetHIDAck();
    // Open, identity check, close; the check's result (false when the open failed).
    bool TestHIDDevice();
    // Discovery; true when a device passed the identity check, its path left in devicePath.
    // Platform code 6 searches the keyboard interface class, every other code the HID class.
    bool FindHIDDevice();

    // Set by the search when a device with the expected vendor and product id could not be
    // opened: the system's reason for the first such device. Empty otherwise.
    const std::string& InaccessibleDeviceReason() const { return inaccessibleReason_; }
    const std::string& InaccessibleDevicePath() const { return inaccessiblePath_; }
    // Why the last open failed, and whether the system refused access; kept until the next
    // successful open.
    const std::string& LastOpenErrorText() const { return lastOpenError_; }
    bool LastOpenAccessDenied() const { return lastOpenAccessDenied_; }

    // Fields, in the order the transport keeps them.
    int platformCode = 0;
    // Path of the device that passed the identity check; at most 255 characters.
    std::string devicePath;
    std::string expectedProductString = kExpectedProductString;
    int expectedVendorId = kExpectedVendorId;
    int expectedProductId = kExpectedProductId;
    // After a block read: 32 data bytes and the received checksum. Before a block write the
    // caller fills the first 32 bytes.
    BlockWithChecksum blockBuffer{};

private:
    bool GetDeviceFullPath();
    bool WinXPx64GetDeviceFullPath();
    bool SearchInterfaces(const InterfaceSearch& search);
    void TraceFoundInterface();
    void NoteOpenFailure(const HidInterfaceQuery& query);
    // listing: the entry of the interface listing that devicePath came from, when it did.
    bool OpenPath(const HidInterfaceQuery* listing);
    // Open, identity check, close.
    bool TestDeviceAt(const HidInterfaceQuery* listing);

    HidBackend& backend_;
    Sleeper& sleeper_;
    TraceSink& trace_;
    std::unique_ptr<HidDevice> deviceHandle_;
    std::string inaccessibleReason_;
    std::string inaccessiblePath_;
    std::string lastOpenError_;
    bool lastOpenAccessDenied_ = false;
};

} // namespace zelt
