#pragma once

#include "CKBIO.h"
#include "CUSBport.h"
#include "MessageSink.h"
#include "Sleeper.h"
#include "TemplateData.h"
#include "TransferObserver.h"
#include "UsbNoKeyboardMessage.h"

#include <optional>
#include <string>
#include <string_view>

namespace zelt {

inline constexpr const char* kDataReadErrorFormat = "Data Read Error, Count=%d";
inline constexpr const char* kDataWrittenErrorFormat = "Data Written Error, Count=%d";
inline constexpr const char* kPs2NoKeyboardReadMessage =
    "No Programmable Keyboard detected!\nPlease check the keyboard connection!\n\nTry to read "
    "again please!";
inline constexpr const char* kPs2NoKeyboardWriteMessage =
    "No Programmable Keyboard detected!\nPlease check the keyboard connection!\n\nTry to write "
    "Keyboard again please!";
inline constexpr const char* kPs2NoDriverReadMessage =
    "Can't access programmable keyboard!\nPlease to check the driver setup!\n\nTry to read again "
    "please!";
inline constexpr const char* kPs2NoDriverWriteMessage =
    "Can't access programmable keyboard!\nPlease check the driver setup!\n\nTry to write "
    "Keyboard again please!";

// Attempts per block before a transfer gives up.
inline constexpr int kAttemptsPerBlock = 5;
// Resends of a USB block whose acknowledgement failed, within one attempt. A keyboard that
// never acknowledges must not keep the program sending forever.
inline constexpr int kMaxAckResends = 5;

// How a transfer ended. The editor resets its selection (and repaints) whenever
// reachedBlockLoop is set, whatever the outcome.
struct TransferResult {
    bool reachedBlockLoop = false;
    bool succeeded = false;
    int failedBlock = -1; // the block that failed five times, else -1
};

// Where a transfer reports to and how it pauses.
struct TransferContext {
    MessageSink& messages;
    Sleeper& sleeper;
    TransferObserver& progress;
};

// The four transfer procedures. They move the 64 blocks through transferBuffer (the image as
// last sent or received). A successful read refreshes the document from the received image;
// a read that fails leaves the document's image, contents and flags exactly as they were.
// A write first checks and encodes the document (PrepareImageForWrite) and sends the encoded
// image; it never changes the key contents.
//
// USB: the port must have passed the search; each transfer opens the device and closes it at
// the end, whatever the outcome.
TransferResult UsbRead(CUSBport& port, TemplateImage& transferBuffer, TemplateData& document,
                       TransferContext& context);
TransferResult UsbWrite(CUSBport& port, TemplateImage& transferBuffer, TemplateData& document,
                        std::optional<std::string_view> selectedKeyContent,
                        TransferContext& context);
// PS/2: the driver must have been opened (OpenKBDriver).
TransferResult Ps2Read(CKBIO& port, TemplateImage& transferBuffer, TemplateData& document,
                       TransferContext& context);
TransferResult Ps2Write(CKBIO& port, TemplateImage& transferBuffer, TemplateData& document,
                        std::optional<std::string_view> selectedKeyContent,
                        TransferContext& context);

} // namespace zelt
