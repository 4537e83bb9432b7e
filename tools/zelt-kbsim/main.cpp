// zelt-kbsim: plays the programmable keyboard over both of the program's paths, the USB HID
// feature reports and the PS/2 port driver, through two Unix sockets.

#include "FaultPlan.h"
#include "ModelCode.h"
#include "SimServer.h"
#include "SimulatedKeyboard.h"
#include "SocketKbPortDriver.h"
#include "TemplateFile.h"

#include <CLI/CLI.hpp>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

volatile std::sig_atomic_t gStop = 0;

extern "C" void OnStopSignal(int) {
    gStop = 1;
}

std::string DefaultHidSocketPath() {
    const char* configured = std::getenv("ZELT_HID_SIM");
    if (configured != nullptr && *configured != '\0') {
        return configured;
    }
    const char* runtimeDir = std::getenv("XDG_RUNTIME_DIR");
    if (runtimeDir != nullptr && *runtimeDir != '\0') {
        return std::string(runtimeDir) + "/zelt-hid.sock";
    }
    return "/tmp/zelt-hid-" + std::to_string(::getuid()) + ".sock";
}

constexpr const char* kDescription =
    R"(zelt-kbsim plays a programmable RM0480U keyboard for ZELT without hardware.

It keeps the keyboard's 2048-byte memory (a new RM0480 image, or the one in --image) and
answers on two Unix sockets, created readable and writable by the owner only:
  the HID socket        the USB path: identity strings and ids, read/write block commands,
                        nibble streams with checksum, acknowledgements. Point the program at it
                        with ZELT_HID_SIM=PATH (zelt-tool --port usb, the editor's USB port).
  the port-driver socket
                        the PS/2 path: the port driver's four functions with 48-byte
                        buffers. The program finds it at ZELT_KBPORT, else at
                        $XDG_RUNTIME_DIR/zelt-kbport.sock, else /tmp/zelt-kbport-UID.sock.
Besides the keyboard the HID socket lists decoys that a correct search passes over: a mouse,
a keyboard of another vendor, a device named only "RM0480" and another product of the vendor.

It prints "ready" on standard output once both sockets listen, and ends on SIGTERM or SIGINT
(saving the memory back to --image with --save).

Faults (--fault KIND:BLOCK[:TIMES], repeatable; BLOCK 0..63; TIMES defaults to 1 and counts
the occurrences over the simulator's life):
  read-fail     reading block BLOCK fails (USB: the first answer report; PS/2: the driver call)
  write-fail    writing block BLOCK fails (USB: the write command; PS/2: the driver call)
  bad-checksum  USB: the answer for block BLOCK carries a wrong checksum
  no-ack        USB: the acknowledgement after writing block BLOCK is refused
  driver-fail   PS/2: the driver call for block BLOCK (read or write) fails
  driver-empty  PS/2: the driver call for block BLOCK returns 0 bytes
  status-fail   PS/2: the status query fails (BLOCK ignored)
  status-empty  PS/2: the status query returns 0 bytes (BLOCK ignored)
  disconnect    every connection is dropped after block BLOCK has been transferred
                (the keyboard can be opened again afterwards)
  corrupt       block BLOCK is acknowledged but stored with its first byte inverted
                (a keyboard whose memory is failing; zelt-tool write --verify finds it)

Example:
  zelt-kbsim --hid-socket /tmp/kb-hid.sock --kbport-socket /tmp/kb-port.sock \
             --image keyboard.bin --save --fault read-fail:5:2 &
  ZELT_HID_SIM=/tmp/kb-hid.sock zelt-tool read --port usb -o out.bin)";

} // namespace

int main(int argc, char** argv) {
    using namespace zelt;
    using namespace zelt::kbsim;

    CLI::App app{kDescription, "zelt-kbsim"};
    std::string hidSocket = DefaultHidSocketPath();
    std::string kbportSocket = DefaultKbPortSocketPath();
    std::string imagePath;
    bool save = false;
    bool noKeyboard = false;
    bool denyOpen = false;
    bool verbose = false;
    std::vector<std::string> faultTexts;

    app.add_option("--hid-socket", hidSocket,
                   "Socket of the USB HID path (default: $ZELT_HID_SIM, else "
                   "$XDG_RUNTIME_DIR/zelt-hid.sock, else /tmp/zelt-hid-UID.sock)");
    app.add_option("--kbport-socket", kbportSocket,
                   "Socket of the PS/2 port-driver path (default: $ZELT_KBPORT, else "
                   "$XDG_RUNTIME_DIR/zelt-kbport.sock, else /tmp/zelt-kbport-UID.sock)");
    auto* imageOption = app.add_option("--image", imagePath,
                                       "Template file whose first 2048 bytes are the keyboard's "
                                       "memory (default: a new RM0480 image)");
    app.add_flag("--save", save, "Write the memory back to --image when the simulator ends")
        ->needs(imageOption);
    app.add_option("--fault", faultTexts, "Inject a fault: KIND:BLOCK[:TIMES] (see above)");
    app.add_flag("--no-keyboard", noKeyboard, "List only the decoy devices, not the keyboard");
    app.add_flag("--deny-open", denyOpen,
                 "Refuse to open the keyboard as a missing device permission does");
    app.add_flag("-v,--verbose", verbose, "Log faults and stored blocks on standard error");
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int status = app.exit(e);
        return status == 0 ? 0 : 2;
    }

    FaultPlan faults;
    for (const std::string& text : faultTexts) {
        std::string error;
        const auto fault = ParseFault(text, error);
        if (!fault) {
            std::cerr << "zelt-kbsim: " << error << "\n";
            return 2;
        }
        faults.Add(*fault);
    }

    TemplateImage memory = MakeNewImage(kModelRM0480);
    if (!imagePath.empty()) {
        const TemplateFileContents file = ReadTemplateFile(imagePath);
        if (!file.image) {
            std::cerr << "zelt-kbsim: " << file.message << "\n";
            return 2;
        }
        memory = *file.image;
    }

    SimulatedKeyboard keyboard(memory, std::move(faults), {!noKeyboard, denyOpen});
    if (verbose) {
        keyboard.log = [](const std::string& line) { std::cerr << "zelt-kbsim: " << line << "\n"; };
    }

    // Stop signals are blocked except while the server waits, so a stop never cuts a reply.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGINT);
    sigset_t waitMask;
    sigprocmask(SIG_BLOCK, &stopSignals, &waitMask);
    sigdelset(&waitMask, SIGTERM);
    sigdelset(&waitMask, SIGINT);
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    SimServer server(keyboard, hidSocket, kbportSocket);
    std::string error;
    if (!server.Listen(error)) {
        std::cerr << "zelt-kbsim: " << error << "\n";
        return 2;
    }
    std::cout << "ready" << std::endl;

    server.Run(gStop, waitMask);
    server.Shutdown();

    if (save) {
        if (const auto failure = WriteTemplateFile(imagePath, keyboard.Memory())) {
            std::cerr << "zelt-kbsim: " << *failure << "\n";
            return 2;
        }
    }
    return 0;
}
