#include "TransferProcedures.h"

#include "DocumentTransfer.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>

namespace zelt {

namespace {

using std::chrono::milliseconds;

constexpr milliseconds kUsbReadRetryPause{200};
constexpr milliseconds kUsbWritePause{250};
constexpr milliseconds kPs2BlockPause{100};
constexpr milliseconds kOlderFamilyPause{200};

struct BlockLoop {
    TransferDirection direction;
    // One attempt at block n; true when it succeeded.
    std::function<bool(int)> attempt;
    // Pause before the second to fifth attempt (zero: none).
    milliseconds pauseBetweenAttempts{0};
    // Runs after the progress step of a successful block.
    std::function<void(int)> afterBlock;
};

void ShowBlockError(MessageSink& messages, const char* format, int block) {
    char text[64];
    std::snprintf(text, sizeof(text), format, block);
    messages.ShowMessage(text);
}

// Blocks 0..63 in order, up to five attempts each; the first block that fails five times
// ends the loop with its error message.
TransferResult RunBlockLoop(const BlockLoop& loop, TransferContext& context) {
    TransferResult result;
    result.reachedBlockLoop = true;
    context.progress.TransferStarted(loop.direction);
    for (int block = 0; block < kBlockCount; ++block) {
        bool done = false;
        for (int attempt = 0; attempt < kAttemptsPerBlock && !done; ++attempt) {
            if (attempt > 0 && loop.pauseBetweenAttempts.count() > 0) {
                context.sleeper.Sleep(loop.pauseBetweenAttempts);
            }
            done = loop.attempt(block);
        }
        if (!done) {
            ShowBlockError(context.messages,
                           loop.direction == TransferDirection::Read ? kDataReadErrorFormat
                                                                     : kDataWrittenErrorFormat,
                           block);
            result.failedBlock = block;
            break;
        }
        context.progress.BlockTransferred(block, ProgressPercent(block));
        if (loop.afterBlock) {
            loop.afterBlock(block);
        }
    }
    context.progress.TransferFinished();
    result.succeeded = result.failedBlock < 0;
    return result;
}

std::uint8_t* BlockIn(TemplateImage& image, int block) {
    return image.data() + static_cast<std::size_t>(block) * kBlockSize;
}

// Closes the USB device when a transfer ends, however it ends.
class DeviceCloser {
public:
    explicit DeviceCloser(CUSBport& port) : port_(port) {}
    ~DeviceCloser() { port_.CloseHIDDevice(); }
    DeviceCloser(const DeviceCloser&) = delete;
    DeviceCloser& operator=(const DeviceCloser&) = delete;

private:
    CUSBport& port_;
};

// Reports a failed status query before a PS/2 transfer; true when the transfer may go on.
bool Ps2StatusAllowsTransfer(CKBIO& port, TransferDirection direction, MessageSink& messages) {
    const bool read = direction == TransferDirection::Read;
    switch (port.QueryKBStatus()) {
    case KbStatus::Ready:
        return true;
    case KbStatus::NoData:
        messages.ShowMessage(read ? kPs2NoKeyboardReadMessage : kPs2NoKeyboardWriteMessage);
        return false;
    case KbStatus::CallFailed:
        messages.ShowMessage(read ? kPs2NoDriverReadMessage : kPs2NoDriverWriteMessage);
        return false;
    }
    return false;
}

} // namespace

TransferResult UsbRead(CUSBport& port, TemplateImage& transferBuffer, TemplateData& document,
                       TransferContext& context) {
    if (!port.OpenHIDDevice()) {
        context.messages.ShowMessage(UsbNoKeyboardMessage(port));
        return {};
    }
    DeviceCloser closer(port);
    BlockLoop loop{TransferDirection::Read,
                   [&](int block) {
                       if (!port.GetHIDBlockData(block)) {
                           return false;
                       }
                       std::copy_n(port.blockBuffer.begin(), kBlockSize,
                                   BlockIn(transferBuffer, block));
                       return true;
                   },
                   kUsbReadRetryPause,
                   {}};
    const TransferResult result = RunBlockLoop(loop, context);
    if (result.succeeded) {
        RefreshAfterRead(document, transferBuffer);
    }
    return result;
}

TransferResult UsbWrite(CUSBport& port, TemplateImage& transferBuffer, TemplateData& document,
                        std::optional<std::string_view> selectedKeyContent,
                        TransferContext& context) {
    if (!port.OpenHIDDevice()) {
        context.messages.ShowMessage(UsbNoKeyboardMessage(port));
        return {};
    }
    DeviceCloser closer(port);
    if (!PrepareImageForWrite(document, selectedKeyContent, context.messages)) {
        return {};
    }
    transferBuffer = document.image;
    BlockLoop loop{TransferDirection::Write,
                   [&](int block) {
                       std::copy_n(BlockIn(transferBuffer, block), kBlockSize,
                                   port.blockBuffer.begin());
                       // A block whose acknowledgement fails is sent again; only a failed send,
                       // or too many failed acknowledgements, uses up the attempt.
                       for (int resend = 0;; ++resend) {
                           if (!port.SendHIDBlockData(block)) {
                               return false;
                           }
                           context.sleeper.Sleep(kUsbWritePause);
                           port.CheckHIDParam();
                           if (port.GetHIDAck()) {
                               return true;
                           }
                           if (resend == kMaxAckResends) {
                               return false;
                           }
                           context.sleeper.Sleep(kUsbWritePause);
                       }
                   },
                   kUsbWritePause,
                   {}};
    return RunBlockLoop(loop, context);
}

TransferResult Ps2Read(CKBIO& port, TemplateImage& transferBuffer, TemplateData& document,
                       TransferContext& context) {
    const bool nt = port.systemFamily == kNtFamily;
    if (nt && !Ps2StatusAllowsTransfer(port, TransferDirection::Read, context.messages)) {
        return {};
    }
    BlockLoop loop{TransferDirection::Read,
                   [&](int block) {
                       if (!nt) {
                           // No driver on this system family: every attempt fails.
                           context.sleeper.Sleep(kOlderFamilyPause);
                           return false;
                       }
                       const bool ok = port.ReadKBBlock(block);
                       context.sleeper.Sleep(kPs2BlockPause);
                       if (ok) {
                           std::copy(port.blockBuffer.begin(), port.blockBuffer.end(),
                                     BlockIn(transferBuffer, block));
                       }
                       return ok;
                   },
                   milliseconds{0},
                   {}};
    const TransferResult result = RunBlockLoop(loop, context);
    if (result.succeeded) {
        RefreshAfterRead(document, transferBuffer);
    }
    return result;
}

TransferResult Ps2Write(CKBIO& port, TemplateImage& transferBuffer, TemplateData& document,
                        std::optional<std::string_view> selectedKeyContent,
                        TransferContext& context) {
    if (!PrepareImageForWrite(document, selectedKeyContent, context.messages)) {
        return {};
    }
    transferBuffer = document.image;
    const bool nt = port.systemFamily == kNtFamily;
    if (nt && !Ps2StatusAllowsTransfer(port, TransferDirection::Write, context.messages)) {
        return {};
    }
    BlockLoop loop{TransferDirection::Write,
                   [&](int block) {
                       std::copy_n(BlockIn(transferBuffer, block), port.blockBuffer.size(),
                                   port.blockBuffer.begin());
                       if (!nt) {
                           context.sleeper.Sleep(kOlderFamilyPause);
                           return false;
                       }
                       return port.WriteKBBlock(block);
                   },
                   milliseconds{0},
                   [&](int) {
                       if (nt) {
                           // The driver expects a status query after every written block; its
                           // answer does not matter here.
                           port.QueryKBStatus();
                           context.sleeper.Sleep(kPs2BlockPause);
                       }
                   }};
    const TransferResult result = RunBlockLoop(loop, context);
    if (nt) {
        port.EndKBWrite();
    }
    return result;
}

} // namespace zelt
