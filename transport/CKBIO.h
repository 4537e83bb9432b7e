#pragma once

#include "KbPortDriver.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace zelt {

// The operating system's platform ids that matter here.
inline constexpr int kNtFamily = 2;
inline constexpr int kOlderFamily = 1;

inline constexpr const char* kWrongSystemInformationMessage =
    "Get wrong system information\nExit.Then, try again please";
inline constexpr const char* kCannotOpenDriverMessage = "Can't open the KB driver";

// Answer of the status query: ready, the driver answered without data (no keyboard), or the
// call itself failed (no usable driver).
enum class KbStatus : int { Ready = 0, NoData = 1, CallFailed = 2 };

// Why OpenKBDriver failed. The editor shows message and ends; the command line prints it and
// exits with status 2. detail names the device and the system's reason where there is one.
struct KbDriverOpenFailure {
    std::string message;
    bool stopIcon = false;
    std::string detail;
};

// The platform id of the running system, or nothing when the version record is unreadable.
using PlatformIdQuery = std::function<std::optional<int>()>;

// The PS/2 transport: talks to the keyboard-port driver, one 32-byte block per request.
// Operations report failure by their result and never show anything; there are no retries
// here.
class CKBIO {
public:
    CKBIO(std::unique_ptr<KbPortDriver> driver, PlatformIdQuery platformId);
    CKBIO(const CKBIO&) = delete;
    CKBIO& operator=(const CKBIO&) = delete;
    // Closes the driver device.
    ~CKBIO();

    // Called once right after construction: stores the system family and, on the NT family,
    // opens the driver device. On the older family nothing is opened and nothing is reported.
    std::optional<KbDriverOpenFailure> OpenKBDriver();

    // Status query (function 2): CallFailed, NoData when answered with 0 bytes, else Ready.
    KbStatus QueryKBStatus();
    // Block read (function 1); on an answer copies the output's first 32 bytes into
    // blockBuffer and returns true.
    bool ReadKBBlock(int nBlock);
    // Block write (function 3) of blockBuffer; true when answered.
    bool WriteKBBlock(int nBlock);
    // End of write (function 4); its outcome does not matter.
    void EndKBWrite();

    // The request as sent to the driver (for inspection and tests).
    static KbRequest MakeRequest(std::uint8_t function, int nBlock,
                                 const std::array<std::uint8_t, 32>* data);

    // Fields, in the order the transport keeps them.
    std::array<std::uint8_t, 32> blockBuffer{};
    int systemFamily = 0;

private:
    KbControlResult Send(const KbRequest& input, KbRequest& output);
    static bool Answered(const KbControlResult& result) {
        return result.callSucceeded && result.bytesReturned > 0;
    }

    std::unique_ptr<KbPortDriver> driver_;
    PlatformIdQuery platformId_;
    bool open_ = false;
};

} // namespace zelt
