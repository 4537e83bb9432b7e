#pragma once

#include "KbPortDriver.h"

#ifdef _WIN32

namespace zelt {

// The keyboard-port driver reached as the device "\\.\KBport" with DeviceIoControl.
class WinKbPortDriver final : public KbPortDriver {
public:
    WinKbPortDriver() = default;
    ~WinKbPortDriver() override;
    WinKbPortDriver(const WinKbPortDriver&) = delete;
    WinKbPortDriver& operator=(const WinKbPortDriver&) = delete;

    bool Open(std::string& error) override;
    KbControlResult Control(const KbRequest& input, KbRequest& output) override;
    void Close() override;

private:
    void* handle_ = nullptr; // HANDLE; null or INVALID_HANDLE_VALUE when closed
};

} // namespace zelt

#endif
