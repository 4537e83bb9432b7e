#pragma once

#include "CKBIO.h"
#include "CUSBport.h"
#include "HidBackend.h"
#include "KbPortDriver.h"
#include "MessageSink.h"
#include "PortKind.h"
#include "Sleeper.h"
#include "TemplateData.h"
#include "Trace.h"
#include "TransferObserver.h"
#include "TransferProcedures.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace zelt {

// The keyboard side of the editor view: the one transport chosen at start-up, which lives as
// long as the program, the transfer buffer, and the read and write commands.
//
// Start-up: after the user has chosen the port, call ConnectUsb or ConnectPs2 (or, with the
// platform's real devices and the environment's settings, ConnectFromEnvironment). A result
// with endProgram set means the program must end at once (exit status 0 in the editor) after
// the message that has already gone to the MessageSink. For USB the keyboard is searched once;
// when it is not found the message has been shown and the connection remembers it: every read
// and write then shows the message again without touching any device.
class KeyboardConnection {
public:
    struct StartResult {
        std::unique_ptr<KeyboardConnection> connection; // null when endProgram
        bool endProgram = false;
    };

    // USB with the given backend: creates CUSBport with the expected identity and the
    // platform code (nothing: the platform code could not be determined, which ends the
    // program with kWrongOsVersionMessage) and runs the search.
    static StartResult ConnectUsb(std::unique_ptr<HidBackend> backend,
                                  std::optional<int> platformCode, std::unique_ptr<Sleeper> sleeper,
                                  TraceSink& trace, MessageSink& messages);
    // PS/2 with the given driver: creates CKBIO and opens it. Its failures are shown (with the
    // stop icon where the driver cannot be opened) and end the program.
    static StartResult ConnectPs2(std::unique_ptr<KbPortDriver> driver, PlatformIdQuery platformId,
                                  std::unique_ptr<Sleeper> sleeper, MessageSink& messages);
    // The platform's devices: hidapi, or the simulator when ZELT_HID_SIM names its socket; the
    // port driver (on Linux its stand-in at DefaultKbPortSocketPath()); real pauses, shortened
    // only by ZELT_PAUSE_SCALE while the simulator is in use; trace lines per ZELT_TRACE.
    static StartResult ConnectFromEnvironment(PortKind kind, MessageSink& messages);

    // The two commands. selectedKeyContent is the content of the view's selected key, checked
    // first before a write. The document is changed only by a read that succeeded (and by the
    // encoding before a write).
    TransferResult ReadFromKeyboard(TemplateData& document, MessageSink& messages,
                                    TransferObserver& progress);
    TransferResult WriteIntoKeyboard(TemplateData& document,
                                     std::optional<std::string_view> selectedKeyContent,
                                     MessageSink& messages, TransferObserver& progress);

    PortKind Kind() const { return kind_; }
    const char* PortName() const { return PortNameOf(kind_); }
    // USB only: the start-up search found no keyboard.
    bool NoKeyboard() const { return noKeyboard_; }
    // PS/2 only: the system family stored by the transport (2 NT, 1 older).
    int SystemFamily() const { return ps2_ ? ps2_->systemFamily : 0; }
    const TemplateImage& TransferBuffer() const { return transferBuffer_; }

    // The transport objects, for diagnostics; null for the other port kind.
    CUSBport* Usb() { return usb_.get(); }
    CKBIO* Ps2() { return ps2_.get(); }

private:
    KeyboardConnection(PortKind kind, std::unique_ptr<Sleeper> sleeper);

    PortKind kind_;
    bool noKeyboard_ = false;
    TemplateImage transferBuffer_{};
    std::unique_ptr<Sleeper> sleeper_;
    std::unique_ptr<HidBackend> backend_;
    std::unique_ptr<CUSBport> usb_;
    std::unique_ptr<CKBIO> ps2_;
};

} // namespace zelt
