#include "KbProperties.h"

#include "BitField.h"
#include "ModelCode.h"

#include <algorithm>

namespace zelt {

namespace {

// Bits shared by both model groups.
constexpr int kAltNumberBit = 0;       // A
constexpr int kNoBreakCodeBit = 2;     // A, stored inverted
constexpr int kNoBeepUndefinedBit = 3; // A
constexpr int kTranslateSet2Bit = 5;   // A
constexpr int kBeepWhenTypedBit = 6;   // A
constexpr int kOposJposOffBit = 5;     // C, stored inverted

// MR models (and every code that is not an RS232 model).
constexpr int kMrTypematicAsciiBit = 4; // A
constexpr int kMrTypematicScanBit = 7;  // A
constexpr int kMrUsePortBit = 5;        // B

// RS232 models.
constexpr int kRsUsePortBit = 4;           // A
constexpr int kRsTypematicAsciiBit = 5;    // B
constexpr int kRsTypematicScanBit = 6;     // B
constexpr std::uint8_t kRsBaudMask = 0x03; // B bits 0..1
constexpr int kRsParityNoneBit = 2;        // B
constexpr int kRsParityOddBit = 3;         // B
constexpr int kRsEightDataBitsBit = 4;     // B

int ReadParityIndex(std::uint8_t b) {
    if (TestBit(b, kRsParityNoneBit)) {
        return kParityNone;
    }
    return TestBit(b, kRsParityOddBit) ? kParityOdd : kParityEven;
}

// NONE leaves the odd bit as it is: with the none bit set the keyboard ignores it.
void WriteParityIndex(std::uint8_t& b, int parityIndex) {
    switch (parityIndex) {
    case kParityNone:
        AssignBit(b, kRsParityNoneBit, true);
        break;
    case kParityEven:
        AssignBit(b, kRsParityNoneBit, false);
        AssignBit(b, kRsParityOddBit, false);
        break;
    case kParityOdd:
        AssignBit(b, kRsParityNoneBit, false);
        AssignBit(b, kRsParityOddBit, true);
        break;
    default:
        break; // not a list index: the stored parity stays
    }
}

std::uint8_t ClampDelay(int delay) {
    return static_cast<std::uint8_t>(std::clamp(delay, kMinInterCharDelay, kMaxInterCharDelay));
}

} // namespace

KbProperties ReadKbProperties(const TemplateImage& image, int modelCode, CommPort port) {
    const std::uint8_t a = image[offsets::kOptionA];
    const std::uint8_t b = image[offsets::kOptionB];
    const std::uint8_t c = image[offsets::kOptionC];

    KbProperties p;
    p.sendBreakCode = !TestBit(a, kNoBreakCodeBit);
    p.beepWhenTyped = TestBit(a, kBeepWhenTypedBit);
    p.noBeepUndefined = TestBit(a, kNoBeepUndefinedBit);
    p.translateSet2 = TestBit(a, kTranslateSet2Bit);
    p.altNumber = TestBit(a, kAltNumberBit);
    p.oposJpos = !TestBit(c, kOposJposOffBit);
    // A stored delay outside 1..250 (a damaged file) is shown as the nearest valid one, as the
    // delay control cannot show anything else.
    p.delay = ClampDelay(image[offsets::kInterCharDelay]);

    if (IsRs232Model(modelCode)) {
        p.typematicScan = TestBit(b, kRsTypematicScanBit);
        p.typematicAscii = TestBit(b, kRsTypematicAsciiBit);
        p.baudRateIndex = b & kRsBaudMask;
        p.parityIndex = ReadParityIndex(b);
        p.dataBitsIndex = TestBit(b, kRsEightDataBitsBit) ? 1 : 0;
        // Over USB the keyboard's RS232 port cannot be used, so it is shown neither as enabled
        // nor at all.
        p.rs232Visible = port == CommPort::Ps2;
        p.usePort = p.rs232Visible && TestBit(a, kRsUsePortBit);
    } else {
        p.typematicScan = TestBit(a, kMrTypematicScanBit);
        p.typematicAscii = TestBit(a, kMrTypematicAsciiBit);
        p.usePort = false;
        p.rs232Visible = false;
    }
    return p;
}

bool WriteKbProperties(TemplateImage& image, int modelCode, const KbProperties& p) {
    std::uint8_t a = image[offsets::kOptionA];
    std::uint8_t b = image[offsets::kOptionB];
    std::uint8_t c = image[offsets::kOptionC];

    AssignBit(a, kNoBreakCodeBit, !p.sendBreakCode);
    AssignBit(a, kBeepWhenTypedBit, p.beepWhenTyped);
    AssignBit(a, kNoBeepUndefinedBit, p.noBeepUndefined);
    AssignBit(a, kTranslateSet2Bit, p.translateSet2);
    AssignBit(a, kAltNumberBit, p.altNumber);
    AssignBit(c, kOposJposOffBit, !p.oposJpos);

    if (IsRs232Model(modelCode)) {
        AssignBit(a, kRsUsePortBit, p.usePort);
        AssignBit(b, kRsTypematicScanBit, p.typematicScan);
        AssignBit(b, kRsTypematicAsciiBit, p.typematicAscii);
        const auto baud = static_cast<std::uint8_t>(std::clamp(p.baudRateIndex, 0, 3));
        b = static_cast<std::uint8_t>((b & ~kRsBaudMask) | baud);
        WriteParityIndex(b, p.parityIndex);
        AssignBit(b, kRsEightDataBitsBit, p.dataBitsIndex != 0);
    } else {
        AssignBit(a, kMrTypematicScanBit, p.typematicScan);
        AssignBit(a, kMrTypematicAsciiBit, p.typematicAscii);
        // These models have no RS232 port; the bit is always stored as off.
        AssignBit(b, kMrUsePortBit, false);
    }

    const std::uint8_t delay = ClampDelay(p.delay);
    const bool changed = image[offsets::kOptionA] != a || image[offsets::kOptionB] != b ||
                         image[offsets::kOptionC] != c || image[offsets::kInterCharDelay] != delay;
    image[offsets::kOptionA] = a;
    image[offsets::kOptionB] = b;
    image[offsets::kOptionC] = c;
    image[offsets::kInterCharDelay] = delay;
    return changed;
}

} // namespace zelt
