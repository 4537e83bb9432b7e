#pragma once

#include "HidBackend.h"

namespace zelt {

// HID backend on hidapi. On Linux it is built on the hidraw flavour, which talks to the
// kernel's HID driver: the keyboard stays attached to the system and keeps typing while the
// program uses its feature reports (the libusb flavour would detach it).
class HidapiBackend final : public HidBackend {
public:
    HidapiBackend();
    ~HidapiBackend() override;
    HidapiBackend(const HidapiBackend&) = delete;
    HidapiBackend& operator=(const HidapiBackend&) = delete;

    HidInterfaceQuery QueryInterface(HidInterfaceClass cls, int index) override;
    HidOpenResult Open(const std::string& path) override;

private:
    bool initialised_ = false;
};

} // namespace zelt
