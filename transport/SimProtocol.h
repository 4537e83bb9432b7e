#pragma once

// The socket protocol between the program and the keyboard simulator (zelt-kbsim).
//
// Both sockets are Unix stream sockets. Every message, in either direction, is a frame: a
// 4-byte little-endian length N (1 <= N <= kMaxFrameSize) followed by N bytes. A peer that
// receives a length outside that range closes the connection; so does a peer whose partner
// stops in the middle of a frame for longer than its timeout. Multi-byte numbers are
// little-endian throughout.
//
// HID socket (ZELT_HID_SIM): every connection starts unbound. A request starts with an opcode
// byte, a reply with a status byte:
//   0 ok, the answer follows;
//   1 the operation failed, followed by a 4-byte error code (an errno value) and a text;
//   2 the request was malformed (unknown opcode, wrong length);
//   3 the request needs an open device and this connection has none.
// Requests:
//   0x01 ENUMERATE            -> count(1), then per interface: vendor(2) product(2)
//                                usagePage(2) usage(2) pathLength(1) path
//   0x02 OPEN path            -> binds the connection to that device (one per connection)
//   0x03 MANUFACTURER         -> the string as UTF-16 code units (2 bytes each)
//   0x04 PRODUCT              -> the string as UTF-16 code units
//   0x05 ATTRIBUTES           -> vendor(2) product(2) version(2)
//   0x06 SET_FEATURE report(9) -> nothing
//   0x07 GET_FEATURE report(9) -> report(9)
// Closing the connection closes the device.
//
// Port-driver socket (ZELT_KBPORT): a request is the driver's 48-byte input buffer; the reply
// is callSucceeded(1) bytesReturned(4) errorCode(4) output(48).

#include "HidBackend.h"
#include "KbPortDriver.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelt::simproto {

inline constexpr std::uint32_t kMaxFrameSize = 4096;
inline constexpr std::size_t kFrameHeaderSize = 4;

enum class HidOp : std::uint8_t {
    Enumerate = 0x01,
    Open = 0x02,
    Manufacturer = 0x03,
    Product = 0x04,
    Attributes = 0x05,
    SetFeature = 0x06,
    GetFeature = 0x07,
};

enum class HidStatus : std::uint8_t { Ok = 0, Failed = 1, Malformed = 2, NotOpen = 3 };

// One interface of the enumeration.
struct HidListing {
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::uint16_t usagePage = 0;
    std::uint16_t usage = 0;
    std::string path; // at most 255 bytes
};

// Appends numbers and bytes to a message.
class ByteWriter {
public:
    ByteWriter& U8(std::uint8_t v);
    ByteWriter& U16(std::uint16_t v);
    ByteWriter& U32(std::uint32_t v);
    ByteWriter& Bytes(const void* data, std::size_t size);
    ByteWriter& Text(std::string_view text) { return Bytes(text.data(), text.size()); }
    std::vector<std::uint8_t> bytes;
};

// Reads numbers and bytes from a message; every read checks the remaining length and a failed
// read leaves the reader failed.
class ByteReader {
public:
    explicit ByteReader(const std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}
    std::optional<std::uint8_t> U8();
    std::optional<std::uint16_t> U16();
    std::optional<std::uint32_t> U32();
    bool Bytes(void* out, std::size_t size);
    // Everything not read yet.
    std::vector<std::uint8_t> Rest();
    std::size_t Remaining() const { return ok_ ? bytes_.size() - pos_ : 0; }
    bool Ok() const { return ok_; }

private:
    const std::vector<std::uint8_t>& bytes_;
    std::size_t pos_ = 0;
    bool ok_ = true;
};

// Frame header for a payload of size bytes.
std::array<std::uint8_t, kFrameHeaderSize> FrameHeader(std::uint32_t size);
// Payload length announced by a header; nothing when it is out of range.
std::optional<std::uint32_t> FrameLength(const std::uint8_t* header);

// Enumeration answer: encode (simulator) and decode (program). Decoding refuses a truncated
// or inconsistent answer.
std::vector<std::uint8_t> EncodeListing(const std::vector<HidListing>& listing);
std::optional<std::vector<HidListing>> DecodeListing(ByteReader& reader);

// Failure reply: status, error code, text.
std::vector<std::uint8_t> FailureReply(HidStatus status, int errorCode, std::string_view text);

// Port-driver reply.
inline constexpr std::size_t kKbReplySize = 1 + 4 + 4 + kKbRequestSize;
std::vector<std::uint8_t> EncodeKbReply(const KbControlResult& result, const KbRequest& output);
std::optional<KbControlResult> DecodeKbReply(const std::vector<std::uint8_t>& reply,
                                             KbRequest& output);

} // namespace zelt::simproto
