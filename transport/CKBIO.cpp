#include "CKBIO.h"

#include <algorithm>

namespace zelt {

CKBIO::CKBIO(std::unique_ptr<KbPortDriver> driver, PlatformIdQuery platformId)
    : driver_(std::move(driver)), platformId_(std::move(platformId)) {}

CKBIO::~CKBIO() {
    if (open_ && driver_) {
        driver_->Close();
    }
}

std::optional<KbDriverOpenFailure> CKBIO::OpenKBDriver() {
    const std::optional<int> family = platformId_ ? platformId_() : std::nullopt;
    if (!family) {
        return KbDriverOpenFailure{kWrongSystemInformationMessage, false, {}};
    }
    systemFamily = *family;
    if (systemFamily != kNtFamily) {
        return std::nullopt;
    }
    std::string error;
    if (!driver_ || !driver_->Open(error)) {
        return KbDriverOpenFailure{kCannotOpenDriverMessage, true, error};
    }
    open_ = true;
    return std::nullopt;
}

KbRequest CKBIO::MakeRequest(std::uint8_t function, int nBlock,
                             const std::array<std::uint8_t, 32>* data) {
    KbRequest request{};
    if (data != nullptr) {
        std::copy(data->begin(), data->end(), request.begin());
    }
    request[kKbBlockNumberByte] = static_cast<std::uint8_t>(nBlock);
    request[kKbFunctionByte] = function;
    return request;
}

KbControlResult CKBIO::Send(const KbRequest& input, KbRequest& output) {
    output.fill(0);
    if (!open_ || !driver_) {
        return {};
    }
    return driver_->Control(input, output);
}

KbStatus CKBIO::QueryKBStatus() {
    KbRequest output{};
    const KbControlResult result = Send(MakeRequest(kKbQueryStatus, 0, nullptr), output);
    if (!result.callSucceeded) {
        return KbStatus::CallFailed;
    }
    return result.bytesReturned == 0 ? KbStatus::NoData : KbStatus::Ready;
}

bool CKBIO::ReadKBBlock(int nBlock) {
    KbRequest output{};
    if (!Answered(Send(MakeRequest(kKbReadBlock, nBlock, nullptr), output))) {
        return false;
    }
    std::copy_n(output.begin(), blockBuffer.size(), blockBuffer.begin());
    return true;
}

bool CKBIO::WriteKBBlock(int nBlock) {
    KbRequest output{};
    return Answered(Send(MakeRequest(kKbWriteBlock, nBlock, &blockBuffer), output));
}

void CKBIO::EndKBWrite() {
    KbRequest output{};
    Send(MakeRequest(kKbEndWrite, 0, nullptr), output);
}

} // namespace zelt
