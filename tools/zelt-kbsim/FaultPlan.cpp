#include "FaultPlan.h"

#include <array>
#include <charconv>
#include <utility>

namespace zelt::kbsim {

namespace {

constexpr std::array<std::pair<std::string_view, FaultKind>, 10> kKinds = {{
    {"read-fail", FaultKind::ReadFail},
    {"write-fail", FaultKind::WriteFail},
    {"bad-checksum", FaultKind::BadChecksum},
    {"no-ack", FaultKind::NoAck},
    {"driver-fail", FaultKind::DriverFail},
    {"driver-empty", FaultKind::DriverEmpty},
    {"status-fail", FaultKind::StatusFail},
    {"status-empty", FaultKind::StatusEmpty},
    {"disconnect", FaultKind::Disconnect},
    {"corrupt", FaultKind::Corrupt},
}};

constexpr int kMaxTimes = 1000000;

std::optional<int> ParseNumber(std::string_view text, int low, int high) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

bool IgnoresBlock(FaultKind kind) {
    return kind == FaultKind::StatusFail || kind == FaultKind::StatusEmpty;
}

} // namespace

std::string_view FaultKindName(FaultKind kind) {
    for (const auto& [name, k] : kKinds) {
        if (k == kind) {
            return name;
        }
    }
    return "?";
}

std::optional<Fault> ParseFault(std::string_view text, std::string& error) {
    const auto first = text.find(':');
    if (first == std::string_view::npos) {
        error = "fault '" + std::string(text) + "' needs the form KIND:BLOCK[:TIMES]";
        return std::nullopt;
    }
    const std::string_view kindText = text.substr(0, first);
    std::string_view rest = text.substr(first + 1);
    std::string_view timesText;
    if (const auto second = rest.find(':'); second != std::string_view::npos) {
        timesText = rest.substr(second + 1);
        rest = rest.substr(0, second);
    }
    Fault fault;
    bool known = false;
    for (const auto& [name, kind] : kKinds) {
        if (name == kindText) {
            fault.kind = kind;
            known = true;
        }
    }
    if (!known) {
        error = "unknown fault kind '" + std::string(kindText) +
                "' (read-fail, write-fail, bad-checksum, no-ack, driver-fail, driver-empty, "
                "status-fail, status-empty, disconnect, corrupt)";
        return std::nullopt;
    }
    const auto block = ParseNumber(rest, 0, 63);
    if (!block) {
        error = "fault '" + std::string(text) + "': BLOCK must be a number from 0 to 63";
        return std::nullopt;
    }
    fault.block = *block;
    if (!timesText.empty() || text.back() == ':') {
        const auto times = ParseNumber(timesText, 1, kMaxTimes);
        if (!times) {
            error = "fault '" + std::string(text) + "': TIMES must be a number from 1 to " +
                    std::to_string(kMaxTimes);
            return std::nullopt;
        }
        fault.times = *times;
    }
    return fault;
}

void FaultPlan::Add(const Fault& fault) {
    faults_.push_back(fault);
}

bool FaultPlan::Take(FaultKind kind, int block) {
    for (Fault& fault : faults_) {
        if (fault.kind == kind && fault.times > 0 && (IgnoresBlock(kind) || fault.block == block)) {
            --fault.times;
            return true;
        }
    }
    return false;
}

bool FaultPlan::Empty() const {
    for (const Fault& fault : faults_) {
        if (fault.times > 0) {
            return false;
        }
    }
    return true;
}

} // namespace zelt::kbsim
