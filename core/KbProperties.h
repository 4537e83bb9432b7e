#pragma once

#include "CommPort.h"
#include "TemplateImage.h"

namespace zelt {

// Choices of the RS232 port settings, in list order.
inline constexpr int kBaudRates[] = {2400, 4800, 9600, 19200};
inline constexpr const char* kParityNames[] = {"NONE", "EVEN", "ODD"};
inline constexpr int kDataBits[] = {7, 8};

inline constexpr int kParityNone = 0;
inline constexpr int kParityEven = 1;
inline constexpr int kParityOdd = 2;

inline constexpr int kMinInterCharDelay = 1;
inline constexpr int kMaxInterCharDelay = 250;

// The keyboard-wide options as the KB properties dialog shows them. Switches are true when
// the feature is on, whatever polarity the image stores them in.
struct KbProperties {
    bool sendBreakCode = false;
    bool beepWhenTyped = false;
    bool noBeepUndefined = false;
    bool translateSet2 = false;
    bool typematicScan = false;
    bool typematicAscii = false;
    bool altNumber = false;
    bool oposJpos = false;
    bool usePort = false;
    // List indexes into kBaudRates, kParityNames and kDataBits. Models without an RS232 port
    // keep these initial values; they are neither shown nor stored.
    int baudRateIndex = 2;
    int parityIndex = kParityNone;
    int dataBitsIndex = 0;
    // Whether the RS232 port group (use port and the three lists) is shown and editable.
    bool rs232Visible = false;
    // Inter-character delay in milliseconds.
    int delay = kMinInterCharDelay;

    friend bool operator==(const KbProperties&, const KbProperties&) = default;
};

// Reads option bytes A, B, C and the inter-character delay of the image, by the bit layout of
// the model's group. The RS232 group is visible only for the RS232 models on the PS/2 port;
// on USB, "use port" reads as off.
KbProperties ReadKbProperties(const TemplateImage& image, int modelCode, CommPort port);

// Writes the values back, setting or clearing exactly the bits the dialog owns and leaving
// every other bit of A, B and C as stored (the MR settings among them). The delay is kept
// within 1..250. Returns whether any byte of the image changed.
bool WriteKbProperties(TemplateImage& image, int modelCode, const KbProperties& properties);

} // namespace zelt
