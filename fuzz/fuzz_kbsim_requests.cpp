// Arbitrary request sequences through the simulator's two request handlers, and arbitrary
// bytes through the program's decoders of the simulator's answers. Neither side may crash,
// read outside a buffer, or answer with a frame the other side would refuse.

#include "ModelCode.h"
#include "SimProtocol.h"
#include "SimServer.h"
#include "SimulatedKeyboard.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

using namespace zelt;

namespace {

void CheckDecoders(const std::vector<std::uint8_t>& bytes) {
    simproto::ByteReader reader(bytes);
    (void)simproto::DecodeListing(reader);
    KbRequest output{};
    (void)simproto::DecodeKbReply(bytes, output);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kbsim::FaultPlan faults;
    faults.Add({kbsim::FaultKind::BadChecksum, 1, 1});
    faults.Add({kbsim::FaultKind::NoAck, 2, 1});
    faults.Add({kbsim::FaultKind::Disconnect, 3, 1});
    kbsim::SimulatedKeyboard keyboard(MakeNewImage(kModelRM0480), std::move(faults), {});
    kbsim::SimServer server(keyboard, "unused-hid", "unused-kbport");
    int boundDevice = -1;

    std::size_t pos = 0;
    while (pos + 3 <= size) {
        const bool hid = (data[pos] & 1) == 0;
        std::size_t length = static_cast<std::size_t>(data[pos + 1] | (data[pos + 2] << 8));
        pos += 3;
        length = std::min(length, size - pos);
        const std::vector<std::uint8_t> request(data + pos, data + pos + length);
        pos += length;
        if (hid) {
            const auto reply = server.HandleHidRequest(boundDevice, request);
            if (reply.empty() || reply.size() > simproto::kMaxFrameSize) {
                std::abort();
            }
            CheckDecoders(reply);
        } else {
            const auto reply = server.HandleKbRequest(request);
            if (reply.size() != simproto::kKbReplySize) {
                std::abort();
            }
            KbRequest output{};
            if (!simproto::DecodeKbReply(reply, output)) {
                std::abort(); // the program must understand every answer the simulator gives
            }
        }
        if (keyboard.TakeDisconnect()) {
            keyboard.CloseHid(boundDevice);
            boundDevice = -1;
        }
    }
    CheckDecoders(std::vector<std::uint8_t>(data, data + size));
    return 0;
}
