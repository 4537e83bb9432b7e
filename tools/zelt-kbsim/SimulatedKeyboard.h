#pragma once

#include "FaultPlan.h"
#include "HidBackend.h"
#include "KbPortDriver.h"
#include "TemplateImage.h"
#include "UsbWireFormat.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zelt::kbsim {

// One HID interface the simulator presents.
struct SimHidDevice {
    std::string path;
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::uint16_t versionNumber = 0;
    std::uint16_t usagePage = 0;
    std::uint16_t usage = 0;
    std::u16string manufacturer;
    std::u16string product;
    bool programmable = false; // the keyboard itself; the others are decoys
};

// The programmable keyboard as seen through both ports, without any sockets: its 2048-byte
// memory, the USB feature-report protocol, the port driver's four functions, and the faults
// it injects. Besides the keyboard it presents decoy HID devices that a correct search must
// pass over: a mouse (not a keyboard interface), a keyboard of another vendor with the right
// strings, a device whose product string is only "RM0480", and another product of the vendor.
class SimulatedKeyboard {
public:
    struct Options {
        bool keyboardPresent = true; // false: only the decoys are there
        bool denyOpen = false;       // opening the keyboard fails as a missing permission does
    };

    SimulatedKeyboard(const TemplateImage& memory, FaultPlan faults, Options options);

    const std::vector<SimHidDevice>& Devices() const { return devices_; }
    // Injects a further fault from now on.
    void AddFault(const Fault& fault) { faults_.Add(fault); }

    struct OpenAnswer {
        int device = -1; // index into Devices(), -1 when the open failed
        int errorCode = 0;
        std::string errorText;
    };
    OpenAnswer OpenHid(std::string_view path);
    // The connection of an open device went away; an unfinished exchange is forgotten.
    void CloseHid(int device);
    // Feature reports of an open device. Only the keyboard takes part in the protocol; the
    // decoys refuse feature reports.
    bool SetFeature(int device, const HidReport& report);
    bool GetFeature(int device, HidReport& report);

    // One port-driver request.
    KbControlResult PortRequest(const KbRequest& input, KbRequest& output);

    // True once after a disconnect fault fired: the caller drops every connection.
    bool TakeDisconnect();

    const TemplateImage& Memory() const { return memory_; }

    // What happened, for tests and the verbose log.
    struct Counters {
        std::array<int, kBlockCount> usbReadCommands{};
        std::array<int, kBlockCount> usbWriteCommands{};
        std::array<int, kBlockCount> usbBlocksStored{};
        int acknowledgements = 0;
        std::array<int, kBlockCount> ps2Reads{};
        std::array<int, kBlockCount> ps2Writes{};
        int statusQueries = 0;
        int endWrites = 0;
    };
    const Counters& Stats() const { return counters_; }

    // Receives one line per notable event (fault fired, block stored); empty by default.
    std::function<void(const std::string&)> log;

private:
    enum class Phase { Idle, Answering, Receiving, AwaitingAck };

    bool HandleCommand(const HidReport& report);
    void BlockDone(int block);
    void CorruptIfAsked(int block);
    void Note(const std::string& line);
    bool Fires(FaultKind kind, int block);
    KbControlResult PortBlockRequest(bool write, int block, const KbRequest& input,
                                     KbRequest& output);

    TemplateImage memory_;
    FaultPlan faults_;
    Options options_;
    std::vector<SimHidDevice> devices_;
    Counters counters_;
    bool disconnectPending_ = false;

    Phase phase_ = Phase::Idle;
    int block_ = 0;
    std::size_t reportIndex_ = 0;
    bool failNextAnswer_ = false;
    bool writeAccepted_ = false;
    DataReports answer_{};
    DataReports received_{};
};

// The identity the keyboard presents.
inline constexpr const char16_t* kSimManufacturer = u"Simulated POS Keyboards";
inline constexpr const char16_t* kSimProduct = u"RM0480U Programmable Keyboard";
inline constexpr std::uint16_t kSimVersion = 0x0112;

} // namespace zelt::kbsim
