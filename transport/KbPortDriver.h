#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace zelt {

// The keyboard-port driver: one synchronous control request with a 48-byte input and a 48-byte
// output buffer that reports how many bytes it returned.
inline constexpr std::size_t kKbRequestSize = 48;
using KbRequest = std::array<std::uint8_t, kKbRequestSize>;

// Control code 0x100: device type 0, function 0x40, buffered transfer, any access.
inline constexpr std::uint32_t kKbControlCode = 0x100;

// Input buffer layout.
inline constexpr std::size_t kKbBlockNumberByte = 32;
inline constexpr std::size_t kKbFunctionByte = 33;
inline constexpr std::uint8_t kKbReadBlock = 1;
inline constexpr std::uint8_t kKbQueryStatus = 2;
inline constexpr std::uint8_t kKbWriteBlock = 3;
inline constexpr std::uint8_t kKbEndWrite = 4;

struct KbControlResult {
    bool callSucceeded = false;
    std::uint32_t bytesReturned = 0;
    int errorCode = 0; // the system's error code when the call failed
};

class KbPortDriver {
public:
    virtual ~KbPortDriver() = default;
    // Opens the driver device for reading and writing, exclusively. On failure returns false
    // and describes the reason (with the device name) in error.
    virtual bool Open(std::string& error) = 0;
    // One control request; output is filled with what the driver returned.
    virtual KbControlResult Control(const KbRequest& input, KbRequest& output) = 0;
    // Closes the device; harmless when it is not open.
    virtual void Close() = 0;
};

} // namespace zelt
