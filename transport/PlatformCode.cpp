#include "PlatformCode.h"

#include "CKBIO.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace zelt {

std::optional<int> ComputePlatformCode(const std::optional<OsVersionRecord>& version,
                                       Wow64Answer wow64) {
    if (!version) {
        return 0;
    }
    const int major = version->majorVersion;
    const int minor = version->minorVersion;
    if (version->platformId == kOlderFamily) {
        if (major < 4 || (major == 4 && minor == 0)) {
            return 1;
        }
        return 2;
    }
    if (version->platformId != kNtFamily) {
        return 0;
    }
    if (major <= 4) {
        return 3;
    }
    if (major == 5 && minor == 0) {
        return 4;
    }
    if (major == 5 || major == 6) {
        if (wow64 == Wow64Answer::QueryFailed) {
            return std::nullopt;
        }
        const bool emulated = wow64 == Wow64Answer::Emulated;
        if (major == 5) {
            return emulated ? 6 : 5;
        }
        return emulated ? 8 : 7;
    }
    return 0;
}

#ifdef _WIN32

std::optional<OsVersionRecord> QueryOsVersionRecord() {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof(info);
    // Deprecated, but the platform code is defined by what exactly this call reports.
#ifdef _MSC_VER
#pragma warning(suppress : 4996)
#endif
    const BOOL known = GetVersionExA(&info);
    if (!known) {
        return std::nullopt;
    }
    return OsVersionRecord{static_cast<int>(info.dwPlatformId),
                           static_cast<int>(info.dwMajorVersion),
                           static_cast<int>(info.dwMinorVersion)};
}

Wow64Answer QueryWow64() {
    using IsWow64ProcessFn = BOOL(WINAPI*)(HANDLE, PBOOL);
    HMODULE kernel = GetModuleHandleA("kernel32");
    // GetProcAddress gives every function one type; going through void (*)() says that the
    // real type is known, which is what compilers accept from such a cast.
    auto isWow64 = kernel == nullptr
                       ? nullptr
                       : reinterpret_cast<IsWow64ProcessFn>(reinterpret_cast<void (*)()>(
                             GetProcAddress(kernel, "IsWow64Process")));
    if (isWow64 == nullptr) {
        return Wow64Answer::Native;
    }
    BOOL emulated = FALSE;
    if (!isWow64(GetCurrentProcess(), &emulated)) {
        return Wow64Answer::QueryFailed;
    }
    return emulated ? Wow64Answer::Emulated : Wow64Answer::Native;
}

std::optional<int> SystemPlatformId() {
    const auto record = QueryOsVersionRecord();
    if (!record) {
        return std::nullopt;
    }
    return record->platformId;
}

#else

std::optional<OsVersionRecord> QueryOsVersionRecord() {
    return std::nullopt;
}

Wow64Answer QueryWow64() {
    return Wow64Answer::Native;
}

std::optional<int> SystemPlatformId() {
    return kNtFamily;
}

#endif

std::optional<int> SystemPlatformCode() {
    return ComputePlatformCode(QueryOsVersionRecord(), QueryWow64());
}

} // namespace zelt
