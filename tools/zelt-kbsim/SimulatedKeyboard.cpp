#include "SimulatedKeyboard.h"

#include <algorithm>
#include <cerrno>

namespace zelt::kbsim {

namespace {

constexpr std::uint16_t kVendor = 0x1A2B;
constexpr std::uint16_t kProduct = 0xC280;

std::vector<SimHidDevice> MakeDevices(bool keyboardPresent) {
    std::vector<SimHidDevice> devices = {
        {"kbsim/mouse", 0x046D, 0xC077, 0x7200, 0x01, 0x02, u"Logitech", u"USB Optical Mouse",
         false},
        {"kbsim/other-vendor", 0x1A2C, kProduct, 0x0100, 0x01, 0x06, u"Other Vendor",
         u"RM0480U Keyboard", false},
        {"kbsim/short-name", kVendor, kProduct, 0x0100, 0x01, 0x06, kSimManufacturer, u"RM0480",
         false},
        {"kbsim/other-product", kVendor, 0xC281, 0x0100, 0x01, 0x06, kSimManufacturer,
         u"RM0480U Keypad", false},
    };
    if (keyboardPresent) {
        devices.push_back({"kbsim/rm0480u", kVendor, kProduct, kSimVersion, 0x01, 0x06,
                           kSimManufacturer, kSimProduct, true});
    }
    return devices;
}

// The keyboard leaves the unused high nibble of each answer byte undefined; a varying pattern
// there makes sure the program really ignores it.
NibbleStream TagAnswer(NibbleStream stream) {
    for (std::size_t i = 0; i < stream.size(); ++i) {
        stream[i] = static_cast<std::uint8_t>((stream[i] & 0x0F) | (((i * 5 + 3) & 0x0F) << 4));
    }
    return stream;
}

} // namespace

SimulatedKeyboard::SimulatedKeyboard(const TemplateImage& memory, FaultPlan faults, Options options)
    : memory_(memory), faults_(std::move(faults)), options_(options),
      devices_(MakeDevices(options.keyboardPresent)) {}

void SimulatedKeyboard::Note(const std::string& line) {
    if (log) {
        log(line);
    }
}

bool SimulatedKeyboard::Fires(FaultKind kind, int block) {
    if (!faults_.Take(kind, block)) {
        return false;
    }
    Note("fault " + std::string(FaultKindName(kind)) + " at block " + std::to_string(block));
    return true;
}

SimulatedKeyboard::OpenAnswer SimulatedKeyboard::OpenHid(std::string_view path) {
    for (std::size_t i = 0; i < devices_.size(); ++i) {
        if (devices_[i].path != path) {
            continue;
        }
        if (devices_[i].programmable && options_.denyOpen) {
            return {-1, EACCES, "Permission denied"};
        }
        if (devices_[i].programmable) {
            // A new user of the device starts a fresh exchange.
            phase_ = Phase::Idle;
            failNextAnswer_ = false;
        }
        return {static_cast<int>(i), 0, {}};
    }
    return {-1, ENOENT, "No such device"};
}

void SimulatedKeyboard::CloseHid(int device) {
    if (device >= 0 && static_cast<std::size_t>(device) < devices_.size() &&
        devices_[static_cast<std::size_t>(device)].programmable) {
        phase_ = Phase::Idle;
        failNextAnswer_ = false;
    }
}

bool SimulatedKeyboard::TakeDisconnect() {
    const bool pending = disconnectPending_;
    disconnectPending_ = false;
    return pending;
}

void SimulatedKeyboard::CorruptIfAsked(int block) {
    if (Fires(FaultKind::Corrupt, block)) {
        memory_[static_cast<std::size_t>(block) * kBlockSize] ^= 0xFF;
    }
}

void SimulatedKeyboard::BlockDone(int block) {
    if (Fires(FaultKind::Disconnect, block)) {
        disconnectPending_ = true;
    }
}

bool SimulatedKeyboard::HandleCommand(const HidReport& report) {
    const int address = report[2] | (report[3] << 8);
    const bool tailClear =
        std::all_of(report.begin() + 4, report.end(), [](auto b) { return b == 0; });
    if (address % static_cast<int>(kBlockSize) != 0 || address >= static_cast<int>(kImageSize) ||
        !tailClear) {
        phase_ = Phase::Idle;
        return false;
    }
    const int block = address / static_cast<int>(kBlockSize);
    const std::uint8_t* data = memory_.data() + address;
    switch (report[1]) {
    case kReadBlockCommand: {
        ++counters_.usbReadCommands[static_cast<std::size_t>(block)];
        BlockWithChecksum bytes{};
        std::copy_n(data, kBlockSize, bytes.begin());
        bytes[kBlockSize] = BlockChecksum(data);
        if (Fires(FaultKind::BadChecksum, block)) {
            bytes[kBlockSize] ^= 0xFF;
        }
        answer_ = StreamToReports(TagAnswer(MakeReadStream(bytes, 0)));
        failNextAnswer_ = Fires(FaultKind::ReadFail, block);
        phase_ = Phase::Answering;
        block_ = block;
        reportIndex_ = 0;
        return true;
    }
    case kWriteBlockCommand:
        ++counters_.usbWriteCommands[static_cast<std::size_t>(block)];
        if (Fires(FaultKind::WriteFail, block)) {
            phase_ = Phase::Idle;
            return false;
        }
        phase_ = Phase::Receiving;
        block_ = block;
        reportIndex_ = 0;
        return true;
    default:
        phase_ = Phase::Idle;
        return false;
    }
}

bool SimulatedKeyboard::SetFeature(int device, const HidReport& report) {
    if (device < 0 || static_cast<std::size_t>(device) >= devices_.size() ||
        !devices_[static_cast<std::size_t>(device)].programmable || report[0] != 0) {
        return false;
    }
    if (phase_ != Phase::Receiving) {
        return HandleCommand(report);
    }
    received_[reportIndex_++] = report;
    if (reportIndex_ < kDataReportsPerBlock) {
        return true;
    }
    const auto bytes = DecodeWriteStream(ReportsToStream(received_));
    writeAccepted_ = bytes.has_value() && ChecksumHolds(*bytes);
    if (writeAccepted_) {
        std::copy_n(bytes->begin(), kBlockSize,
                    memory_.begin() + static_cast<std::ptrdiff_t>(block_) * 32);
        CorruptIfAsked(block_);
        ++counters_.usbBlocksStored[static_cast<std::size_t>(block_)];
    } else {
        Note("block " + std::to_string(block_) + " arrived damaged and was not stored");
    }
    phase_ = Phase::AwaitingAck;
    return true;
}

bool SimulatedKeyboard::GetFeature(int device, HidReport& report) {
    if (device < 0 || static_cast<std::size_t>(device) >= devices_.size() ||
        !devices_[static_cast<std::size_t>(device)].programmable) {
        return false;
    }
    switch (phase_) {
    case Phase::Idle:
        report.fill(0);
        return true;
    case Phase::Answering:
        if (failNextAnswer_) {
            failNextAnswer_ = false;
            phase_ = Phase::Idle;
            return false;
        }
        report = answer_[reportIndex_++];
        if (reportIndex_ == kDataReportsPerBlock) {
            phase_ = Phase::Idle;
            BlockDone(block_);
        }
        return true;
    case Phase::AwaitingAck: {
        phase_ = Phase::Idle;
        ++counters_.acknowledgements;
        if (Fires(FaultKind::NoAck, block_) || !writeAccepted_) {
            return false;
        }
        report.fill(0);
        BlockDone(block_);
        return true;
    }
    case Phase::Receiving:
        // An answer requested in the middle of a block's data: the exchange is broken.
        phase_ = Phase::Idle;
        return false;
    }
    return false;
}

KbControlResult SimulatedKeyboard::PortBlockRequest(bool write, int block, const KbRequest& input,
                                                    KbRequest& output) {
    const auto index = static_cast<std::size_t>(block);
    ++(write ? counters_.ps2Writes : counters_.ps2Reads)[index];
    if (Fires(write ? FaultKind::WriteFail : FaultKind::ReadFail, block) ||
        Fires(FaultKind::DriverFail, block)) {
        return {false, 0, EIO};
    }
    if (Fires(FaultKind::DriverEmpty, block)) {
        return {true, 0, 0};
    }
    std::uint8_t* data = memory_.data() + index * kBlockSize;
    if (write) {
        std::copy_n(input.begin(), kBlockSize, data);
        CorruptIfAsked(block);
    } else {
        std::copy_n(data, kBlockSize, output.begin());
    }
    BlockDone(block);
    return {true, write ? 1u : static_cast<std::uint32_t>(kBlockSize), 0};
}

KbControlResult SimulatedKeyboard::PortRequest(const KbRequest& input, KbRequest& output) {
    output.fill(0);
    const int block = input[kKbBlockNumberByte];
    switch (input[kKbFunctionByte]) {
    case kKbQueryStatus:
        ++counters_.statusQueries;
        if (Fires(FaultKind::StatusFail, 0)) {
            return {false, 0, EIO};
        }
        if (Fires(FaultKind::StatusEmpty, 0)) {
            return {true, 0, 0};
        }
        return {true, 1, 0};
    case kKbReadBlock:
    case kKbWriteBlock:
        if (block >= kBlockCount) {
            return {true, 0, 0};
        }
        return PortBlockRequest(input[kKbFunctionByte] == kKbWriteBlock, block, input, output);
    case kKbEndWrite:
        ++counters_.endWrites;
        return {true, 1, 0};
    default:
        return {true, 0, 0};
    }
}

} // namespace zelt::kbsim
