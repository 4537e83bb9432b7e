#include "KbProperties.h"

#include "ModelCode.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace zelt {
namespace {

TemplateImage ImageWithOptions(int modelCode, std::uint8_t a, std::uint8_t b, std::uint8_t c) {
    TemplateImage image = MakeNewImage(modelCode);
    image[offsets::kOptionA] = a;
    image[offsets::kOptionB] = b;
    image[offsets::kOptionC] = c;
    return image;
}

TEST(KbPropertiesRead, NewMrModelImage) {
    const TemplateImage image = MakeNewImage(kModelRM0480);
    for (const CommPort port : {CommPort::Ps2, CommPort::Usb}) {
        const KbProperties p = ReadKbProperties(image, kModelRM0480, port);
        EXPECT_TRUE(p.sendBreakCode);
        EXPECT_TRUE(p.beepWhenTyped);
        EXPECT_TRUE(p.noBeepUndefined);
        EXPECT_TRUE(p.translateSet2);
        EXPECT_TRUE(p.typematicScan);
        EXPECT_FALSE(p.typematicAscii);
        EXPECT_FALSE(p.altNumber);
        EXPECT_FALSE(p.oposJpos);
        EXPECT_FALSE(p.usePort);
        EXPECT_FALSE(p.rs232Visible);
        EXPECT_EQ(p.delay, 2);
        // Not shown for these models; the lists keep their initial choices.
        EXPECT_EQ(p.baudRateIndex, 2);
        EXPECT_EQ(p.parityIndex, kParityNone);
        EXPECT_EQ(p.dataBitsIndex, 0);
    }
}

TEST(KbPropertiesRead, NewRs232ModelImageOnPs2) {
    const KbProperties p =
        ReadKbProperties(MakeNewImage(kModelTK0530), kModelTK0530, CommPort::Ps2);
    EXPECT_TRUE(p.rs232Visible);
    EXPECT_TRUE(p.sendBreakCode);
    EXPECT_TRUE(p.beepWhenTyped);
    EXPECT_FALSE(p.noBeepUndefined);
    EXPECT_TRUE(p.translateSet2);
    EXPECT_FALSE(p.typematicScan);
    EXPECT_FALSE(p.typematicAscii);
    EXPECT_FALSE(p.altNumber);
    EXPECT_TRUE(p.oposJpos);
    EXPECT_FALSE(p.usePort);
    EXPECT_EQ(kBaudRates[p.baudRateIndex], 9600);
    EXPECT_STREQ(kParityNames[p.parityIndex], "NONE");
    EXPECT_EQ(kDataBits[p.dataBitsIndex], 8);
    EXPECT_EQ(p.delay, 2);
}

TEST(KbPropertiesRead, Rs232GroupHiddenAndPortOffOnUsb) {
    // Port enabled in the image (A bit 4).
    const TemplateImage image = ImageWithOptions(kModelTK0517, 0xF0, 0x9E, 0x00);
    EXPECT_TRUE(ReadKbProperties(image, kModelTK0517, CommPort::Ps2).usePort);
    const KbProperties usb = ReadKbProperties(image, kModelTK0517, CommPort::Usb);
    EXPECT_FALSE(usb.rs232Visible);
    EXPECT_FALSE(usb.usePort);
}

TEST(KbPropertiesRead, ParityFromBits2And3) {
    struct Case {
        std::uint8_t b;
        int parity;
    };
    for (const Case& c : std::vector<Case>{
             {0x00, kParityEven}, {0x04, kParityNone}, {0x08, kParityOdd}, {0x0C, kParityNone}}) {
        const TemplateImage image = ImageWithOptions(kModelTK0530, 0xE0, c.b, 0);
        EXPECT_EQ(ReadKbProperties(image, kModelTK0530, CommPort::Ps2).parityIndex, c.parity)
            << int{c.b};
    }
}

TEST(KbPropertiesRead, DelayOutsideRangeShowsNearestValid) {
    TemplateImage image = MakeNewImage(kModelRM0480);
    for (const auto& [stored, shown] :
         std::vector<std::pair<int, int>>{{0, 1}, {1, 1}, {250, 250}, {251, 250}, {255, 250}}) {
        image[offsets::kInterCharDelay] = static_cast<std::uint8_t>(stored);
        EXPECT_EQ(ReadKbProperties(image, kModelRM0480, CommPort::Ps2).delay, shown) << stored;
    }
}

TEST(KbPropertiesWrite, OkWithoutChangesLeavesNewImagesAlone) {
    for (int code = kModelRM0480; code <= kModelTK0530; ++code) {
        for (const CommPort port : {CommPort::Ps2, CommPort::Usb}) {
            const TemplateImage before = MakeNewImage(code);
            TemplateImage image = before;
            EXPECT_FALSE(WriteKbProperties(image, code, ReadKbProperties(image, code, port)));
            EXPECT_EQ(image, before) << code;
        }
    }
}

TEST(KbPropertiesWrite, OddParityOnNewRs232Image) {
    TemplateImage image = MakeNewImage(kModelTK0530);
    KbProperties p = ReadKbProperties(image, kModelTK0530, CommPort::Ps2);
    p.parityIndex = kParityOdd;
    EXPECT_TRUE(WriteKbProperties(image, kModelTK0530, p));
    EXPECT_EQ(image[offsets::kOptionB], 0x9A);
    EXPECT_EQ(image[offsets::kOptionA], 0xE0);
    EXPECT_EQ(image[offsets::kOptionC], 0x00);
}

TEST(KbPropertiesWrite, ParityBits) {
    struct Case {
        std::uint8_t before;
        int parity;
        std::uint8_t after;
    };
    // NONE sets bit 2 and leaves bit 3 as it was.
    for (const Case& c : std::vector<Case>{{0x00, kParityNone, 0x04},
                                           {0x08, kParityNone, 0x0C},
                                           {0x0C, kParityEven, 0x00},
                                           {0x04, kParityOdd, 0x08},
                                           {0xF3, kParityEven, 0xF3},
                                           {0xF3, kParityOdd, 0xFB}}) {
        TemplateImage image = ImageWithOptions(kModelTK0530, 0, c.before, 0);
        KbProperties p = ReadKbProperties(image, kModelTK0530, CommPort::Ps2);
        p.parityIndex = c.parity;
        WriteKbProperties(image, kModelTK0530, p);
        EXPECT_EQ(image[offsets::kOptionB], c.after) << int{c.before} << " " << c.parity;
    }
}

TEST(KbPropertiesWrite, BaudRateAndDataBits) {
    TemplateImage image = ImageWithOptions(kModelTK0517, 0, 0xFF, 0);
    KbProperties p = ReadKbProperties(image, kModelTK0517, CommPort::Ps2);
    EXPECT_EQ(p.baudRateIndex, 3);
    p.baudRateIndex = 1;
    p.dataBitsIndex = 0;
    WriteKbProperties(image, kModelTK0517, p);
    EXPECT_EQ(image[offsets::kOptionB], 0xED);
    EXPECT_EQ(ReadKbProperties(image, kModelTK0517, CommPort::Ps2).baudRateIndex, 1);
}

TEST(KbPropertiesWrite, UsbClearsRs232UsePortAndKeepsTheSettings) {
    TemplateImage image = ImageWithOptions(kModelTK0530, 0xF0, 0x9B, 0x00);
    EXPECT_TRUE(WriteKbProperties(image, kModelTK0530,
                                  ReadKbProperties(image, kModelTK0530, CommPort::Usb)));
    EXPECT_EQ(image[offsets::kOptionA], 0xE0);
    EXPECT_EQ(image[offsets::kOptionB], 0x9B);
}

TEST(KbPropertiesWrite, OposJposChangesOnlyBit5OfC) {
    for (int c = 0; c < 256; ++c) {
        for (const int code : {kModelRM0480, kModelTK0530}) {
            TemplateImage image = ImageWithOptions(code, 0x55, 0x11, static_cast<std::uint8_t>(c));
            KbProperties p = ReadKbProperties(image, code, CommPort::Ps2);
            EXPECT_EQ(p.oposJpos, (c & 0x20) == 0);
            p.oposJpos = true;
            WriteKbProperties(image, code, p);
            EXPECT_EQ(image[offsets::kOptionC], c & ~0x20);
            p.oposJpos = false;
            WriteKbProperties(image, code, p);
            EXPECT_EQ(image[offsets::kOptionC], c | 0x20);
        }
    }
}

TEST(KbPropertiesWrite, DelayKeptWithinRange) {
    for (const auto& [value, stored] : std::vector<std::pair<int, int>>{
             {-5, 1}, {0, 1}, {1, 1}, {77, 77}, {250, 250}, {251, 250}, {256 + 3, 250}}) {
        TemplateImage image = MakeNewImage(kModelRM0480);
        KbProperties p = ReadKbProperties(image, kModelRM0480, CommPort::Ps2);
        p.delay = value;
        WriteKbProperties(image, kModelRM0480, p);
        EXPECT_EQ(image[offsets::kInterCharDelay], stored) << value;
    }
}

// Each switch lives in exactly one bit; flipping it flips that bit and nothing else anywhere
// in the image, whatever the option bytes held before.
struct SwitchCase {
    const char* name;
    std::function<bool&(KbProperties&)> value;
    std::size_t offset;
    std::uint8_t mask;
};

void CheckSwitchBits(int modelCode, const std::vector<SwitchCase>& cases) {
    for (const SwitchCase& sc : cases) {
        for (int v = 0; v < 256; ++v) {
            const auto byte = static_cast<std::uint8_t>(v);
            TemplateImage before = ImageWithOptions(modelCode, 0, 0, 0);
            before[sc.offset] = byte;
            TemplateImage image = before;
            KbProperties p = ReadKbProperties(image, modelCode, CommPort::Ps2);
            sc.value(p) = !sc.value(p);
            WriteKbProperties(image, modelCode, p);
            for (std::size_t i = 0; i < kImageSize; ++i) {
                const std::uint8_t expected =
                    i == sc.offset ? static_cast<std::uint8_t>(before[i] ^ sc.mask) : before[i];
                if (image[i] != expected) {
                    ADD_FAILURE() << sc.name << " model " << modelCode << " byte " << v
                                  << " offset " << i;
                    return;
                }
            }
        }
    }
}

TEST(KbPropertiesWrite, EachMrModelSwitchOwnsItsBit) {
    const std::size_t a = offsets::kOptionA;
    const std::size_t c = offsets::kOptionC;
    // Starting from B with bit 5 clear, so that the always-cleared use port bit stays put.
    CheckSwitchBits(kModelRM0480, {{"altNumber", &KbProperties::altNumber, a, 0x01},
                                   {"sendBreakCode", &KbProperties::sendBreakCode, a, 0x04},
                                   {"noBeepUndefined", &KbProperties::noBeepUndefined, a, 0x08},
                                   {"typematicAscii", &KbProperties::typematicAscii, a, 0x10},
                                   {"translateSet2", &KbProperties::translateSet2, a, 0x20},
                                   {"beepWhenTyped", &KbProperties::beepWhenTyped, a, 0x40},
                                   {"typematicScan", &KbProperties::typematicScan, a, 0x80},
                                   {"oposJpos", &KbProperties::oposJpos, c, 0x20}});
}

TEST(KbPropertiesWrite, EachRs232ModelSwitchOwnsItsBit) {
    const std::size_t a = offsets::kOptionA;
    const std::size_t b = offsets::kOptionB;
    const std::size_t c = offsets::kOptionC;
    CheckSwitchBits(kModelTK0530, {{"altNumber", &KbProperties::altNumber, a, 0x01},
                                   {"sendBreakCode", &KbProperties::sendBreakCode, a, 0x04},
                                   {"noBeepUndefined", &KbProperties::noBeepUndefined, a, 0x08},
                                   {"usePort", &KbProperties::usePort, a, 0x10},
                                   {"translateSet2", &KbProperties::translateSet2, a, 0x20},
                                   {"beepWhenTyped", &KbProperties::beepWhenTyped, a, 0x40},
                                   {"typematicAscii", &KbProperties::typematicAscii, b, 0x20},
                                   {"typematicScan", &KbProperties::typematicScan, b, 0x40},
                                   {"oposJpos", &KbProperties::oposJpos, c, 0x20}});
}

// Every pair of option bytes A and B goes through read and write-back unchanged, except for
// the bits the dialog forces: use port on MR models, and use port on an RS232 model over USB.
TEST(KbPropertiesWrite, AllOptionBytesSurviveRoundTrip) {
    struct Case {
        int model;
        CommPort port;
        std::uint8_t clearA;
        std::uint8_t clearB;
    };
    for (const Case& c : std::vector<Case>{{kModelRM0480, CommPort::Ps2, 0x00, 0x20},
                                           {kModelTK0550, CommPort::Usb, 0x00, 0x20},
                                           {2099, CommPort::Ps2, 0x00, 0x20},
                                           {kModelTK0530, CommPort::Ps2, 0x00, 0x00},
                                           {kModelTK0517, CommPort::Usb, 0x10, 0x00}}) {
        int failures = 0;
        for (int a = 0; a < 256 && failures < 5; ++a) {
            for (int b = 0; b < 256 && failures < 5; ++b) {
                const TemplateImage before = ImageWithOptions(c.model, static_cast<std::uint8_t>(a),
                                                              static_cast<std::uint8_t>(b), 0x5A);
                TemplateImage image = before;
                const bool changed =
                    WriteKbProperties(image, c.model, ReadKbProperties(image, c.model, c.port));
                TemplateImage expected = before;
                expected[offsets::kOptionA] &= static_cast<std::uint8_t>(~c.clearA);
                expected[offsets::kOptionB] &= static_cast<std::uint8_t>(~c.clearB);
                if (image != expected || changed != (expected != before)) {
                    ++failures;
                    ADD_FAILURE() << "model " << c.model << " A " << a << " B " << b;
                }
            }
        }
    }
}

// The bits the MR dialog owns, and those the RS232 layout leaves unused, are never touched by
// any combination of values.
TEST(KbPropertiesWrite, MrAndUnusedBitsKept) {
    struct Case {
        int model;
        std::uint8_t keptA;
        std::uint8_t keptB;
    };
    for (const Case& c :
         std::vector<Case>{{kModelRM0480, 0x02, 0xDF}, {kModelTK0530, 0x82, 0x80}}) {
        for (int a = 0; a < 256; a += 3) {
            for (int b = 0; b < 256; b += 5) {
                for (const bool on : {false, true}) {
                    TemplateImage image = ImageWithOptions(c.model, static_cast<std::uint8_t>(a),
                                                           static_cast<std::uint8_t>(b), 0);
                    KbProperties p;
                    p.sendBreakCode = p.beepWhenTyped = p.noBeepUndefined = p.translateSet2 = on;
                    p.typematicScan = p.typematicAscii = p.altNumber = p.oposJpos = on;
                    p.usePort = on;
                    p.baudRateIndex = on ? 3 : 0;
                    p.parityIndex = on ? kParityOdd : kParityEven;
                    p.dataBitsIndex = on ? 1 : 0;
                    WriteKbProperties(image, c.model, p);
                    ASSERT_EQ(image[offsets::kOptionA] & c.keptA, a & c.keptA) << c.model;
                    ASSERT_EQ(image[offsets::kOptionB] & c.keptB, b & c.keptB) << c.model;
                }
            }
        }
    }
}

} // namespace
} // namespace zelt
