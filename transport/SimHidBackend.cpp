#include "SimHidBackend.h"

#include "HidString.h"
#include "SimProtocol.h"
#include "UnixSocket.h"

#include <cerrno>

namespace zelt {

namespace {

using simproto::ByteReader;
using simproto::ByteWriter;
using simproto::HidOp;
using simproto::HidStatus;

class SimHidDevice final : public HidDevice {
public:
    explicit SimHidDevice(FrameConnection connection) : connection_(std::move(connection)) {}

    std::optional<std::u16string> GetManufacturerString() override {
        return GetString(HidOp::Manufacturer);
    }
    std::optional<std::u16string> GetProductString() override { return GetString(HidOp::Product); }

    std::optional<HidAttributes> GetAttributes() override {
        const auto reply = Request(ByteWriter().U8(static_cast<std::uint8_t>(HidOp::Attributes)));
        if (!reply) {
            return std::nullopt;
        }
        ByteReader reader(*reply);
        reader.U8(); // status, checked by Request
        const auto vendor = reader.U16();
        const auto product = reader.U16();
        const auto version = reader.U16();
        if (!version || reader.Remaining() != 0) {
            return Malformed<HidAttributes>();
        }
        return HidAttributes{*vendor, *product, *version};
    }

    bool SetFeature(const HidReport& report) override {
        ByteWriter request;
        request.U8(static_cast<std::uint8_t>(HidOp::SetFeature))
            .Bytes(report.data(), report.size());
        const auto reply = Request(request);
        if (!reply) {
            return false;
        }
        if (reply->size() != 1) {
            lastError_ = EPROTO;
            return false;
        }
        return true;
    }

    bool GetFeature(HidReport& report) override {
        ByteWriter request;
        request.U8(static_cast<std::uint8_t>(HidOp::GetFeature))
            .Bytes(report.data(), report.size());
        const auto reply = Request(request);
        if (!reply) {
            return false;
        }
        if (reply->size() != 1 + report.size()) {
            lastError_ = EPROTO;
            return false;
        }
        std::copy(reply->begin() + 1, reply->end(), report.begin());
        return true;
    }

    int LastErrorCode() const override { return lastError_; }

private:
    template <typename T> std::optional<T> Malformed() {
        lastError_ = EPROTO;
        return std::nullopt;
    }

    // Sends the request; the reply when its status is Ok, otherwise nothing (with the error).
    std::optional<std::vector<std::uint8_t>> Request(const ByteWriter& request) {
        auto reply = connection_.Exchange(request.bytes);
        if (!reply) {
            lastError_ = connection_.LastErrorCode();
            return std::nullopt;
        }
        if (reply->empty()) {
            return Malformed<std::vector<std::uint8_t>>();
        }
        if ((*reply)[0] != static_cast<std::uint8_t>(HidStatus::Ok)) {
            ByteReader reader(*reply);
            reader.U8();
            const auto code = reader.U32();
            lastError_ = code ? static_cast<int>(*code) : EIO;
            return std::nullopt;
        }
        return reply;
    }

    std::optional<std::u16string> GetString(HidOp op) {
        const auto reply = Request(ByteWriter().U8(static_cast<std::uint8_t>(op)));
        if (!reply) {
            return std::nullopt;
        }
        if ((reply->size() - 1) % 2 != 0) {
            return Malformed<std::u16string>();
        }
        std::u16string units;
        for (std::size_t i = 1; i + 1 < reply->size() && units.size() < kHidStringMaxUnits;
             i += 2) {
            const auto unit = static_cast<char16_t>((*reply)[i] | ((*reply)[i + 1] << 8));
            if (unit == 0) {
                break;
            }
            units.push_back(unit);
        }
        return units;
    }

    FrameConnection connection_;
    int lastError_ = 0;
};

} // namespace

SimHidBackend::SimHidBackend(std::string socketPath, std::chrono::milliseconds timeout)
    : socketPath_(std::move(socketPath)), timeout_(timeout) {}

HidInterfaceQuery SimHidBackend::QueryInterface(HidInterfaceClass cls, int index) {
    HidInterfaceQuery query;
    FrameConnection connection;
    std::string error;
    int errorCode = 0;
    if (!connection.Connect(socketPath_, timeout_, error, errorCode)) {
        query.result = HidInterfaceQuery::Result::ListUnavailable;
        query.errorCode = errorCode;
        return query;
    }
    const auto reply =
        connection.Exchange(ByteWriter().U8(static_cast<std::uint8_t>(HidOp::Enumerate)).bytes);
    std::optional<std::vector<simproto::HidListing>> listing;
    if (reply && !reply->empty() && (*reply)[0] == static_cast<std::uint8_t>(HidStatus::Ok)) {
        ByteReader reader(*reply);
        reader.U8();
        listing = simproto::DecodeListing(reader);
    }
    if (!listing) {
        query.result = HidInterfaceQuery::Result::ListUnavailable;
        query.errorCode = reply ? EPROTO : connection.LastErrorCode();
        return query;
    }
    return FindInListing(*listing, cls, index);
}

HidOpenResult SimHidBackend::Open(const std::string& path) {
    HidOpenResult result;
    FrameConnection connection;
    std::string error;
    if (!connection.Connect(socketPath_, timeout_, error, result.errorCode)) {
        result.errorText = "keyboard simulator not reachable (" + error + ")";
        return result;
    }
    ByteWriter request;
    request.U8(static_cast<std::uint8_t>(HidOp::Open)).Text(path);
    const auto reply = connection.Exchange(request.bytes);
    if (!reply || reply->empty()) {
        result.errorCode = reply ? EPROTO : connection.LastErrorCode();
        result.errorText = SystemErrorText(result.errorCode);
        return result;
    }
    if ((*reply)[0] != static_cast<std::uint8_t>(HidStatus::Ok)) {
        ByteReader reader(*reply);
        reader.U8();
        const auto code = reader.U32();
        const auto text = reader.Rest();
        result.errorCode = code ? static_cast<int>(*code) : EIO;
        result.errorText = text.empty() ? SystemErrorText(result.errorCode)
                                        : std::string(text.begin(), text.end());
        result.accessDenied = result.errorCode == EACCES || result.errorCode == EPERM;
        return result;
    }
    result.device = std::make_unique<SimHidDevice>(std::move(connection));
    return result;
}

} // namespace zelt
