#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelt::kbsim {

// Faults the simulator injects on request.
enum class FaultKind {
    ReadFail,    // reading block N fails (USB: the first answer report; PS/2: the driver call)
    WriteFail,   // writing block N fails (USB: the write command; PS/2: the driver call)
    BadChecksum, // USB: the answer for block N carries a wrong checksum
    NoAck,       // USB: the acknowledgement after block N is refused
    DriverFail,  // PS/2: the driver call for block N fails
    DriverEmpty, // PS/2: the driver call for block N returns 0 bytes
    StatusFail,  // PS/2: the status query fails (block ignored)
    StatusEmpty, // PS/2: the status query returns 0 bytes (block ignored)
    Disconnect,  // every connection is dropped once block N has been transferred
    Corrupt,     // block N is acknowledged but stored with its first byte inverted
};

struct Fault {
    FaultKind kind = FaultKind::ReadFail;
    int block = 0;
    int times = 1;
};

// Parses KIND:BLOCK[:TIMES] (BLOCK 0..63, TIMES 1..1000000, default 1). On failure returns
// nothing and explains why in error.
std::optional<Fault> ParseFault(std::string_view text, std::string& error);
std::string_view FaultKindName(FaultKind kind);

// The faults still to be injected, each with its remaining count.
class FaultPlan {
public:
    void Add(const Fault& fault);
    // True (and one occurrence used up) when a fault of this kind for this block is pending.
    // Status faults match any block.
    bool Take(FaultKind kind, int block);
    bool Empty() const;

private:
    std::vector<Fault> faults_;
};

} // namespace zelt::kbsim
