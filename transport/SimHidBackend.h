#pragma once

#include "HidBackend.h"

#include <chrono>
#include <string>

namespace zelt {

// HID backend that reaches the keyboard simulator (zelt-kbsim) through its HID socket instead
// of real devices; chosen when ZELT_HID_SIM names the socket. Protocol: SimProtocol.h.
// A simulator that is not there makes the listing unavailable; one that dies or stops
// answering makes each pending operation fail within the timeout.
class SimHidBackend final : public HidBackend {
public:
    static constexpr std::chrono::milliseconds kDefaultTimeout{3000};

    explicit SimHidBackend(std::string socketPath,
                           std::chrono::milliseconds timeout = kDefaultTimeout);
    HidInterfaceQuery QueryInterface(HidInterfaceClass cls, int index) override;
    HidOpenResult Open(const std::string& path) override;

private:
    std::string socketPath_;
    std::chrono::milliseconds timeout_;
};

} // namespace zelt
