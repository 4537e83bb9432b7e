#include "UsbWireFormat.h"

namespace zelt {

std::uint8_t BlockChecksum(const std::uint8_t* data32) {
    std::uint8_t sum = 0;
    for (std::size_t i = 0; i < kBlockSize; ++i) {
        sum ^= data32[i];
    }
    return sum;
}

HidReport MakeCommandReport(std::uint8_t command, std::uint8_t blockNumber) {
    HidReport report{};
    report[1] = command;
    report[2] = static_cast<std::uint8_t>((blockNumber * 32) & 0xFF);
    report[3] = static_cast<std::uint8_t>((blockNumber >> 3) & 0x1F);
    return report;
}

NibbleStream MakeWriteStream(const BlockData& data) {
    NibbleStream stream;
    stream.fill(kWriteNibbleTag);
    auto put = [&stream](std::size_t i, std::uint8_t byte) {
        stream[2 * i] = static_cast<std::uint8_t>(kWriteNibbleTag | (byte & 0x0F));
        stream[2 * i + 1] = static_cast<std::uint8_t>(kWriteNibbleTag | (byte >> 4));
    };
    for (std::size_t i = 0; i < kBlockSize; ++i) {
        put(i, data[i]);
    }
    put(kBlockSize, BlockChecksum(data.data()));
    return stream;
}

BlockWithChecksum DecodeReadStream(const NibbleStream& stream) {
    BlockWithChecksum bytes{};
    for (std::size_t i = 0; i < kBlockWithChecksumSize; ++i) {
        bytes[i] =
            static_cast<std::uint8_t>(((stream[2 * i] & 0x0F) << 4) | (stream[2 * i + 1] & 0x0F));
    }
    return bytes;
}

NibbleStream MakeReadStream(const BlockWithChecksum& bytes, std::uint8_t tagHigh) {
    NibbleStream stream{};
    const auto tag = static_cast<std::uint8_t>(tagHigh & 0xF0);
    for (std::size_t i = 0; i < kBlockWithChecksumSize; ++i) {
        stream[2 * i] = static_cast<std::uint8_t>(tag | (bytes[i] >> 4));
        stream[2 * i + 1] = static_cast<std::uint8_t>(tag | (bytes[i] & 0x0F));
    }
    return stream;
}

std::optional<BlockWithChecksum> DecodeWriteStream(const NibbleStream& stream) {
    BlockWithChecksum bytes{};
    for (std::size_t i = 0; i < kBlockWithChecksumSize; ++i) {
        const std::uint8_t low = stream[2 * i];
        const std::uint8_t high = stream[2 * i + 1];
        if ((low & 0xF0) != kWriteNibbleTag || (high & 0xF0) != kWriteNibbleTag) {
            return std::nullopt;
        }
        bytes[i] = static_cast<std::uint8_t>(((high & 0x0F) << 4) | (low & 0x0F));
    }
    return bytes;
}

DataReports StreamToReports(const NibbleStream& stream) {
    DataReports reports{};
    for (std::size_t k = 0; k < kDataReportsPerBlock; ++k) {
        for (std::size_t j = 0; j < kPayloadSize; ++j) {
            reports[k][1 + j] = stream[8 * k + 7 - j];
        }
    }
    return reports;
}

NibbleStream ReportsToStream(const DataReports& reports) {
    NibbleStream stream{};
    for (std::size_t k = 0; k < kDataReportsPerBlock; ++k) {
        for (std::size_t j = 0; j < kPayloadSize; ++j) {
            stream[8 * k + j] = reports[k][8 - j];
        }
    }
    return stream;
}

bool ChecksumHolds(const BlockWithChecksum& bytes) {
    std::uint8_t sum = 0;
    for (std::uint8_t b : bytes) {
        sum ^= b;
    }
    return sum == 0;
}

} // namespace zelt
