#include "UsbWireFormat.h"

#include <gtest/gtest.h>

#include <numeric>

namespace zelt {
namespace {

BlockData Ascending(std::uint8_t first) {
    BlockData data{};
    std::iota(data.begin(), data.end(), first);
    return data;
}

TEST(CommandReport, AddressIsBlockTimes32LittleEndian) {
    struct Case {
        std::uint8_t block;
        std::uint8_t low;
        std::uint8_t high;
    };
    const Case cases[] = {
        {0, 0x00, 0x00},  {1, 0x20, 0x00},  {7, 0xE0, 0x00},   {8, 0x00, 0x01},
        {17, 0x20, 0x02}, {63, 0xE0, 0x07}, {255, 0xE0, 0x1F},
    };
    for (const Case& c : cases) {
        for (std::uint8_t command : {kReadBlockCommand, kWriteBlockCommand}) {
            const HidReport report = MakeCommandReport(command, c.block);
            const HidReport expected = {0x00, command, c.low, c.high, 0, 0, 0, 0, 0};
            EXPECT_EQ(report, expected) << "block " << int(c.block);
        }
    }
}

TEST(WriteStream, ZeroBlockIsAllD0WithZeroChecksum) {
    const NibbleStream stream = MakeWriteStream(BlockData{});
    for (std::size_t i = 0; i < stream.size(); ++i) {
        EXPECT_EQ(stream[i], 0xD0) << "stream byte " << i;
    }
    EXPECT_EQ(BlockChecksum(BlockData{}.data()), 0x00);
}

TEST(WriteStream, LowNibbleFirstTaggedD0) {
    BlockData data{};
    data[0] = 0x5A;
    const NibbleStream stream = MakeWriteStream(data);
    EXPECT_EQ(stream[0], 0xDA);
    EXPECT_EQ(stream[1], 0xD5);
    // The checksum of a block holding only 0x5A is 0x5A, at stream bytes 64 and 65.
    EXPECT_EQ(stream[64], 0xDA);
    EXPECT_EQ(stream[65], 0xD5);
}

TEST(ReadStream, HighNibbleFirstAndTagsIgnored) {
    NibbleStream stream{};
    stream[0] = 0x35; // high nibble of received bytes is noise
    stream[1] = 0xFA;
    const BlockWithChecksum bytes = DecodeReadStream(stream);
    EXPECT_EQ(bytes[0], 0x5A);
}

TEST(DataReports, FirstWriteReportCarriesBytes0To3Reversed) {
    const BlockData data = {0x10, 0x32, 0x54, 0x76};
    const DataReports reports = StreamToReports(MakeWriteStream(data));
    // high(3) low(3) high(2) low(2) high(1) low(1) high(0) low(0), tagged.
    const HidReport expected = {0x00, 0xD7, 0xD6, 0xD5, 0xD4, 0xD3, 0xD2, 0xD1, 0xD0};
    EXPECT_EQ(reports[0], expected);
}

TEST(DataReports, FirstReadReportAsTheKeyboardSendsIt) {
    // The keyboard sends low(3) high(3) low(2) high(2) low(1) high(1) low(0) high(0).
    DataReports reports{};
    reports[0] = {0x00, 0x07, 0x06, 0x05, 0x04, 0x03, 0x02, 0x01, 0x00};
    const BlockWithChecksum bytes = DecodeReadStream(ReportsToStream(reports));
    EXPECT_EQ(bytes[0], 0x01);
    EXPECT_EQ(bytes[1], 0x23);
    EXPECT_EQ(bytes[2], 0x45);
    EXPECT_EQ(bytes[3], 0x67);
}

TEST(DataReports, NinthWriteReportHoldsChecksumInBytes7And8) {
    BlockData data{};
    data[5] = 0xC3; // checksum 0xC3
    const DataReports reports = StreamToReports(MakeWriteStream(data));
    const HidReport& last = reports[8];
    EXPECT_EQ(last[0], 0x00);
    for (int b = 1; b <= 6; ++b) {
        EXPECT_EQ(last[static_cast<std::size_t>(b)], 0xD0) << "payload byte " << b;
    }
    EXPECT_EQ(last[7], 0xDC); // high nibble of the checksum
    EXPECT_EQ(last[8], 0xD3); // low nibble
}

TEST(DataReports, NinthReadReportUsesOnlyBytes7And8) {
    BlockWithChecksum bytes{};
    bytes[0] = 0x99;
    bytes[32] = 0x99;
    DataReports reports = StreamToReports(MakeReadStream(bytes, 0x00));
    EXPECT_EQ(reports[8][8], 0x09); // checksum's high nibble
    EXPECT_EQ(reports[8][7], 0x09); // its low nibble
    for (std::size_t b = 1; b <= 6; ++b) {
        reports[8][b] = 0xFF; // places without data
    }
    const BlockWithChecksum decoded = DecodeReadStream(ReportsToStream(reports));
    EXPECT_EQ(decoded, bytes);
    EXPECT_TRUE(ChecksumHolds(decoded));
}

TEST(DataReports, EveryByteValueSurvivesBothDirectionsAtEveryPosition) {
    for (int start = 0; start < 256; start += 32) {
        const BlockData data = Ascending(static_cast<std::uint8_t>(start));
        const auto received =
            DecodeWriteStream(ReportsToStream(StreamToReports(MakeWriteStream(data))));
        ASSERT_TRUE(received.has_value());
        EXPECT_TRUE(std::equal(data.begin(), data.end(), received->begin()));
        EXPECT_TRUE(ChecksumHolds(*received));

        BlockWithChecksum bytes{};
        std::copy(data.begin(), data.end(), bytes.begin());
        bytes[32] = BlockChecksum(data.data());
        for (std::uint8_t tag : {0x00, 0x50, 0xF0}) {
            EXPECT_EQ(
                DecodeReadStream(ReportsToStream(StreamToReports(MakeReadStream(bytes, tag)))),
                bytes);
        }
    }
}

TEST(DataReports, ReadAndWriteNibbleOrdersDiffer) {
    // Sending a write stream back as if it were a read answer swaps every byte's nibbles.
    const BlockData data = {0x12};
    const BlockWithChecksum misread = DecodeReadStream(MakeWriteStream(data));
    EXPECT_EQ(misread[0], 0x21);
}

TEST(Checksum, DetectsASingleFlippedBit) {
    BlockWithChecksum bytes{};
    bytes[3] = 0x40;
    bytes[32] = 0x40;
    EXPECT_TRUE(ChecksumHolds(bytes));
    bytes[32] ^= 0x01;
    EXPECT_FALSE(ChecksumHolds(bytes));
}

TEST(WriteStream, ReceiverRefusesUntaggedBytes) {
    NibbleStream stream = MakeWriteStream(Ascending(0));
    stream[10] = 0x05;
    EXPECT_FALSE(DecodeWriteStream(stream).has_value());
}

} // namespace
} // namespace zelt
