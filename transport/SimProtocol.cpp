#include "SimProtocol.h"

#include <algorithm>
#include <cstring>

namespace zelt::simproto {

ByteWriter& ByteWriter::U8(std::uint8_t v) {
    bytes.push_back(v);
    return *this;
}

ByteWriter& ByteWriter::U16(std::uint16_t v) {
    bytes.push_back(static_cast<std::uint8_t>(v & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(v >> 8));
    return *this;
}

ByteWriter& ByteWriter::U32(std::uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8) {
        bytes.push_back(static_cast<std::uint8_t>((v >> shift) & 0xFF));
    }
    return *this;
}

ByteWriter& ByteWriter::Bytes(const void* data, std::size_t size) {
    const auto* p = static_cast<const std::uint8_t*>(data);
    bytes.insert(bytes.end(), p, p + size);
    return *this;
}

bool ByteReader::Bytes(void* out, std::size_t size) {
    if (!ok_ || bytes_.size() - pos_ < size) {
        ok_ = false;
        return false;
    }
    if (size > 0) {
        std::memcpy(out, bytes_.data() + pos_, size);
    }
    pos_ += size;
    return true;
}

std::optional<std::uint8_t> ByteReader::U8() {
    std::uint8_t v = 0;
    if (!Bytes(&v, 1)) {
        return std::nullopt;
    }
    return v;
}

std::optional<std::uint16_t> ByteReader::U16() {
    std::uint8_t b[2];
    if (!Bytes(b, 2)) {
        return std::nullopt;
    }
    return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
}

std::optional<std::uint32_t> ByteReader::U32() {
    std::uint8_t b[4];
    if (!Bytes(b, 4)) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
           (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
}

std::vector<std::uint8_t> ByteReader::Rest() {
    if (!ok_) {
        return {};
    }
    std::vector<std::uint8_t> rest(bytes_.begin() + static_cast<std::ptrdiff_t>(pos_),
                                   bytes_.end());
    pos_ = bytes_.size();
    return rest;
}

std::array<std::uint8_t, kFrameHeaderSize> FrameHeader(std::uint32_t size) {
    return {static_cast<std::uint8_t>(size & 0xFF), static_cast<std::uint8_t>((size >> 8) & 0xFF),
            static_cast<std::uint8_t>((size >> 16) & 0xFF),
            static_cast<std::uint8_t>((size >> 24) & 0xFF)};
}

std::optional<std::uint32_t> FrameLength(const std::uint8_t* header) {
    const std::uint32_t size = static_cast<std::uint32_t>(header[0]) |
                               (static_cast<std::uint32_t>(header[1]) << 8) |
                               (static_cast<std::uint32_t>(header[2]) << 16) |
                               (static_cast<std::uint32_t>(header[3]) << 24);
    if (size == 0 || size > kMaxFrameSize) {
        return std::nullopt;
    }
    return size;
}

std::vector<std::uint8_t> EncodeListing(const std::vector<HidListing>& listing) {
    ByteWriter out;
    out.U8(static_cast<std::uint8_t>(HidStatus::Ok));
    const std::size_t count = std::min<std::size_t>(listing.size(), 255);
    out.U8(static_cast<std::uint8_t>(count));
    for (std::size_t i = 0; i < count; ++i) {
        const HidListing& entry = listing[i];
        const std::size_t pathLength = std::min<std::size_t>(entry.path.size(), 255);
        out.U16(entry.vendorId).U16(entry.productId).U16(entry.usagePage).U16(entry.usage);
        out.U8(static_cast<std::uint8_t>(pathLength)).Bytes(entry.path.data(), pathLength);
    }
    return out.bytes;
}

std::optional<std::vector<HidListing>> DecodeListing(ByteReader& reader) {
    const auto count = reader.U8();
    if (!count) {
        return std::nullopt;
    }
    std::vector<HidListing> listing;
    for (unsigned i = 0; i < *count; ++i) {
        HidListing entry;
        const auto vendor = reader.U16();
        const auto product = reader.U16();
        const auto usagePage = reader.U16();
        const auto usage = reader.U16();
        const auto pathLength = reader.U8();
        if (!pathLength) {
            return std::nullopt;
        }
        entry.path.resize(*pathLength);
        if (!reader.Bytes(entry.path.data(), entry.path.size())) {
            return std::nullopt;
        }
        entry.vendorId = *vendor;
        entry.productId = *product;
        entry.usagePage = *usagePage;
        entry.usage = *usage;
        listing.push_back(std::move(entry));
    }
    if (reader.Remaining() != 0) {
        return std::nullopt;
    }
    return listing;
}

std::vector<std::uint8_t> FailureReply(HidStatus status, int errorCode, std::string_view text) {
    ByteWriter out;
    out.U8(static_cast<std::uint8_t>(status)).U32(static_cast<std::uint32_t>(errorCode));
    out.Text(text.substr(0, 1024));
    return out.bytes;
}

std::vector<std::uint8_t> EncodeKbReply(const KbControlResult& result, const KbRequest& output) {
    ByteWriter out;
    out.U8(result.callSucceeded ? 1 : 0)
        .U32(result.bytesReturned)
        .U32(static_cast<std::uint32_t>(result.errorCode))
        .Bytes(output.data(), output.size());
    return out.bytes;
}

std::optional<KbControlResult> DecodeKbReply(const std::vector<std::uint8_t>& reply,
                                             KbRequest& output) {
    if (reply.size() != kKbReplySize) {
        return std::nullopt;
    }
    ByteReader reader(reply);
    const auto succeeded = reader.U8();
    const auto bytesReturned = reader.U32();
    const auto errorCode = reader.U32();
    if (!succeeded || *succeeded > 1 || *bytesReturned > kKbRequestSize ||
        !reader.Bytes(output.data(), output.size())) {
        return std::nullopt;
    }
    return KbControlResult{*succeeded == 1, *bytesReturned, static_cast<int>(*errorCode)};
}

} // namespace zelt::simproto
