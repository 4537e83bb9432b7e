#pragma once

#include "CKBIO.h"
#include "FakeHid.h"
#include "FakeKbPortDriver.h"
#include "KeyboardConnection.h"
#include "Sleeper.h"
#include "Trace.h"
#include "transfer/KeyboardPort.h"

#include <memory>
#include <vector>

namespace zelt::test {

// Sets up the transport the way the program does, but on in-process fakes: a USB keyboard that
// is attached or not, and a PS/2 port driver that opens or not.
class FakeKeyboardConnector {
public:
    bool usbKeyboardAttached = true;
    std::shared_ptr<testing::FakeKbPortState> driver = std::make_shared<testing::FakeKbPortState>();
    std::vector<PortKind> requests;

    KeyboardConnector Connector() {
        return [this](PortKind kind, MessageSink& messages) { return Connect(kind, messages); };
    }

    KeyboardConnection::StartResult Connect(PortKind kind, MessageSink& messages) {
        requests.push_back(kind);
        if (kind == PortKind::Usb) {
            auto backend = std::make_unique<testing::FakeHidBackend>();
            if (usbKeyboardAttached) {
                backend->AddDevice(HidInterfaceClass::Hid, "/dev/hidraw-zelt", u"RM0480U", 0x1A2B,
                                   0xC280);
            }
            return KeyboardConnection::ConnectUsb(
                std::move(backend), 0, std::make_unique<RecordingSleeper>(), trace_, messages);
        }
        return KeyboardConnection::ConnectPs2(
            std::make_unique<testing::FakeKbPortDriver>(driver),
            [] { return std::optional<int>(kNtFamily); }, std::make_unique<RecordingSleeper>(),
            messages);
    }

private:
    NullTrace trace_;
};

} // namespace zelt::test
