// Arbitrary key content texts through both checks, the encoder and the size count. Every text
// must encode safely; every text the checks accept must come back from a template unchanged,
// also when the builder has to cut its record short.

#include "KeyContent.h"
#include "KeyContentDecoder.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using namespace zelt;

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// Decodes a record stored with its terminator and bytes of a following record behind it.
DecodedRecord ReadBack(const std::string& record) {
    std::string stored = record;
    stored += std::string_view("\0\x1E\x1E\0", 4);
    DecodedRecord decoded;
    decoded.next = DecodeRecordInto(
        {reinterpret_cast<const std::uint8_t*>(stored.data()), stored.size()}, 0, decoded.text);
    return decoded;
}

bool ReadsBack(const std::string& record) {
    const DecodedRecord decoded = ReadBack(record);
    return decoded.next == record.size() + 1 && EncodeKeyContent(decoded.text) == record;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const bool ascii = IsAsciiContent(text);
    const bool scan = IsScanCodeContent(text);
    Require(IsValidContent(text) == (ascii || scan));
    const int counted = GetEncodedSize(text);
    const std::string record = EncodeKeyContent(text);
    Require(record.find('\0') == std::string::npos);
    Require(record.size() <= text.size() + 1);
    if (!ascii && !scan) {
        return 0;
    }
    Require(counted == static_cast<int>(record.size()));
    const DecodedRecord decoded = ReadBack(record);
    Require(decoded.next == record.size() + 1);
    Require(EncodeKeyContent(decoded.text) == record);
    Require(IsValidContent(decoded.text));

    // The general walk, which the builder uses where room is short, writes the same record as
    // the fast loop when the room holds it exactly.
    if (record.size() <= text.size()) {
        std::string exact(record.size(), '\0');
        const RecordFit whole = EncodeKeyContentInto(
            text, {reinterpret_cast<std::uint8_t*>(exact.data()), exact.size()});
        Require(whole.complete && whole.size == record.size() && exact == record);
    }

    // A cut record, as the builder writes it when the key area is full, reads back as itself.
    const std::size_t room = size == 0 ? 0 : data[0] % (record.size() + 1);
    std::string buffer(room, '\0');
    const RecordFit fit =
        EncodeKeyContentInto(text, {reinterpret_cast<std::uint8_t*>(buffer.data()), buffer.size()});
    Require(fit.size <= room);
    Require(fit.complete == (room == record.size()));
    buffer.resize(fit.size);
    Require(buffer.empty() || ReadsBack(buffer));
    return 0;
}
