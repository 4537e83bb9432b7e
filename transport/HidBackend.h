#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace zelt {

// One HID feature report as it crosses the wire: byte 0 is the report ID, bytes 1..8 the payload.
inline constexpr std::size_t kHidReportSize = 9;
using HidReport = std::array<std::uint8_t, kHidReportSize>;

// The two device interface classes the keyboard search knows. Hid is every HID interface;
// Keyboard is the HID interfaces of keyboards (generic desktop usage page 1, usage 6).
enum class HidInterfaceClass { Hid, Keyboard };

inline constexpr std::uint16_t kGenericDesktopUsagePage = 0x01;
inline constexpr std::uint16_t kKeyboardUsage = 0x06;

// True when an interface with this top-level usage belongs to the class.
constexpr bool BelongsToInterfaceClass(HidInterfaceClass cls, std::uint16_t usagePage,
                                       std::uint16_t usage) {
    return cls == HidInterfaceClass::Hid ||
           (usagePage == kGenericDesktopUsagePage && usage == kKeyboardUsage);
}

// A device interface class identifier in its four fields (for the trace only).
struct InterfaceClassId {
    std::uint32_t data1;
    std::uint16_t data2;
    std::uint16_t data3;
    std::array<std::uint8_t, 8> data4;
};

// {4D1E55B2-F16F-11CF-88CB-001111000030} and {884B96C3-56EF-11D1-BC8C-00A0C91405DD}.
InterfaceClassId ClassIdOf(HidInterfaceClass cls);

// Error code a listing reports when an index lies beyond the last interface.
inline constexpr int kNoMoreItemsError = 259;

// Answer to "which interface stands at this index of the class listing?". Each question lists
// the present interfaces anew and releases the listing before it returns.
struct HidInterfaceQuery {
    enum class Result {
        Found,             // path holds the interface path
        NoMoreItems,       // the index lies beyond the listing (errorCode kNoMoreItemsError)
        Failed,            // the interface at this index could not be read (errorCode says why)
        ListUnavailable,   // the listing itself could not be obtained
        DetailUnavailable, // the interface exists but its path could not be read
    };
    Result result = Result::NoMoreItems;
    std::string path;
    int errorCode = 0;
    // Ids that the listing reports without opening the device, where the platform has them.
    std::optional<std::uint16_t> vendorId;
    std::optional<std::uint16_t> productId;
};

// The answer for a listing of every present interface, each entry with usagePage, usage, path,
// vendorId and productId: the index-th entry that belongs to the class, or NoMoreItems.
template <typename Listing>
HidInterfaceQuery FindInListing(const Listing& listing, HidInterfaceClass cls, int index) {
    HidInterfaceQuery query;
    int position = 0;
    for (const auto& entry : listing) {
        if (BelongsToInterfaceClass(cls, entry.usagePage, entry.usage) && position++ == index) {
            query.result = HidInterfaceQuery::Result::Found;
            query.path = entry.path;
            query.vendorId = entry.vendorId;
            query.productId = entry.productId;
            return query;
        }
    }
    query.result = HidInterfaceQuery::Result::NoMoreItems;
    query.errorCode = kNoMoreItemsError;
    return query;
}

struct HidAttributes {
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::uint16_t versionNumber = 0;
};

// An open HID device. Closing is destruction. No operation throws; failures are reported by
// the return value, with the system's error code in LastErrorCode().
class HidDevice {
public:
    virtual ~HidDevice() = default;
    // The device strings as UTF-16 code units, without terminator; nothing when unreadable.
    virtual std::optional<std::u16string> GetManufacturerString() = 0;
    virtual std::optional<std::u16string> GetProductString() = 0;
    virtual std::optional<HidAttributes> GetAttributes() = 0;
    // Sends a 9-byte feature report; true when the device accepted it.
    virtual bool SetFeature(const HidReport& report) = 0;
    // Requests a feature report with report ID report[0]; on success report holds the answer.
    virtual bool GetFeature(HidReport& report) = 0;
    // The system's error code of the last failed operation.
    virtual int LastErrorCode() const = 0;
};

struct HidOpenResult {
    std::unique_ptr<HidDevice> device; // null when the open failed
    int errorCode = 0;
    std::string errorText;     // the system's description of the failure
    bool accessDenied = false; // the device exists but this user may not open it
};

// The HID operations the USB transport needs of the platform.
class HidBackend {
public:
    virtual ~HidBackend() = default;
    virtual HidInterfaceQuery QueryInterface(HidInterfaceClass cls, int index) = 0;
    // Opens a path for reading and writing, shared, the device having to exist already.
    virtual HidOpenResult Open(const std::string& path) = 0;
};

} // namespace zelt
