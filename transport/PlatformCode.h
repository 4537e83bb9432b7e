#pragma once

#include <optional>

namespace zelt {

// The operating system's version record as far as the transports care.
struct OsVersionRecord {
    int platformId = 0; // 1 older family, 2 NT family, anything else another system
    int majorVersion = 0;
    int minorVersion = 0;
};

// Whether the program runs as a 32-bit process on a 64-bit system. A system without that
// question answers Native.
enum class Wow64Answer { Native, Emulated, QueryFailed };

inline constexpr const char* kWrongOsVersionMessage = "Get wrong OS version";

// The platform code (0..8) the USB search is chosen by. The 32-bit-on-64-bit answer is used
// only for NT 5.1 and later 5.x and for NT 6.x; when it is needed there and QueryFailed, the
// result is nothing: the caller shows kWrongOsVersionMessage and ends the program.
std::optional<int> ComputePlatformCode(const std::optional<OsVersionRecord>& version,
                                       Wow64Answer wow64);

// The running system's version record; nothing where the system has none of that family
// (every system but Windows).
std::optional<OsVersionRecord> QueryOsVersionRecord();
// The running system's 32-bit-on-64-bit answer.
Wow64Answer QueryWow64();
// ComputePlatformCode of the running system; 0 on systems without that version record.
std::optional<int> SystemPlatformCode();

// The platform id the PS/2 transport stores as its system family: the version record's on
// Windows; elsewhere the port-driver stand-in plays the NT family's driver, so 2.
std::optional<int> SystemPlatformId();

} // namespace zelt
