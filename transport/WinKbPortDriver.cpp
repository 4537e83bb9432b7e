#include "WinKbPortDriver.h"

#ifdef _WIN32

#include <windows.h>

namespace zelt {

namespace {

constexpr const char* kDriverDevice = "\\\\.\\KBport";

bool IsOpen(void* handle) {
    return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}

} // namespace

WinKbPortDriver::~WinKbPortDriver() {
    Close();
}

bool WinKbPortDriver::Open(std::string& error) {
    Close();
    HANDLE handle = CreateFileA(kDriverDevice, GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        error = std::string(kDriverDevice) + ": error " + std::to_string(GetLastError());
        return false;
    }
    handle_ = handle;
    return true;
}

KbControlResult WinKbPortDriver::Control(const KbRequest& input, KbRequest& output) {
    output.fill(0);
    if (!IsOpen(handle_)) {
        return {false, 0, ERROR_INVALID_HANDLE};
    }
    KbRequest in = input;
    DWORD returned = 0;
    if (!DeviceIoControl(static_cast<HANDLE>(handle_), kKbControlCode, in.data(),
                         static_cast<DWORD>(in.size()), output.data(),
                         static_cast<DWORD>(output.size()), &returned, nullptr)) {
        return {false, 0, static_cast<int>(GetLastError())};
    }
    return {true, returned, 0};
}

void WinKbPortDriver::Close() {
    if (IsOpen(handle_)) {
        CloseHandle(static_cast<HANDLE>(handle_));
    }
    handle_ = nullptr;
}

} // namespace zelt

#endif
