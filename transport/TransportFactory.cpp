#include "TransportFactory.h"

#include "HidapiBackend.h"

#ifdef _WIN32
#include "WinKbPortDriver.h"
#else
#include "SimHidBackend.h"
#include "SocketKbPortDriver.h"
#endif

#include <cstdlib>
#include <string>

namespace zelt {

namespace {

const char* HidSimulatorSocket() {
    const char* path = std::getenv("ZELT_HID_SIM");
    return path != nullptr && *path != '\0' ? path : nullptr;
}

} // namespace

bool HidSimulatorSelected() {
#ifdef _WIN32
    return false;
#else
    return HidSimulatorSocket() != nullptr;
#endif
}

std::unique_ptr<HidBackend> CreateHidBackend() {
#ifndef _WIN32
    if (const char* path = HidSimulatorSocket()) {
        return std::make_unique<SimHidBackend>(path);
    }
#endif
    return std::make_unique<HidapiBackend>();
}

std::unique_ptr<KbPortDriver> CreateKbPortDriver() {
#ifdef _WIN32
    return std::make_unique<WinKbPortDriver>();
#else
    return std::make_unique<SocketKbPortDriver>(DefaultKbPortSocketPath());
#endif
}

std::optional<double> ParsePauseScale(const char* text) {
    if (text == nullptr || *text == '\0') {
        return std::nullopt;
    }
    char* end = nullptr;
    const double value = std::strtod(text, &end);
    if (end == text || *end != '\0' || !(value >= 0.0 && value <= 1.0)) {
        return std::nullopt;
    }
    return value;
}

double TransferPauseScale(PortKind kind) {
#ifdef _WIN32
    (void)kind;
    return 1.0;
#else
    // Without a PS/2 port driver on this system the PS/2 port always leads to the simulator.
    const bool simulated = kind == PortKind::Ps2 || HidSimulatorSelected();
    if (!simulated) {
        return 1.0;
    }
    return ParsePauseScale(std::getenv("ZELT_PAUSE_SCALE")).value_or(1.0);
#endif
}

std::unique_ptr<Sleeper> CreateTransferSleeper(PortKind kind) {
    const double scale = TransferPauseScale(kind);
    if (scale >= 1.0) {
        return std::make_unique<RealSleeper>();
    }
    return std::make_unique<ScaledSleeper>(scale);
}

} // namespace zelt
