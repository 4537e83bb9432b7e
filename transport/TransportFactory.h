#pragma once

#include "HidBackend.h"
#include "KbPortDriver.h"
#include "PortKind.h"
#include "Sleeper.h"

#include <memory>
#include <optional>

namespace zelt {

// hidapi, or the simulator's HID socket when ZELT_HID_SIM is set and not empty.
std::unique_ptr<HidBackend> CreateHidBackend();
// True when CreateHidBackend would choose the simulator.
bool HidSimulatorSelected();

// The keyboard-port driver: "\\.\KBport" on Windows, elsewhere the stand-in that talks to the
// simulator's port-driver socket (DefaultKbPortSocketPath()).
std::unique_ptr<KbPortDriver> CreateKbPortDriver();

// The fraction of the protocol pauses that transfers on this port wait: ZELT_PAUSE_SCALE
// (a number from 0 to 1) while the port leads to the simulator, else 1. A real keyboard
// always gets its full pauses, whatever the environment says.
double TransferPauseScale(PortKind kind);
// A parsed ZELT_PAUSE_SCALE value: nothing unless it is a number from 0 to 1.
std::optional<double> ParsePauseScale(const char* text);

// Real pauses, scaled per TransferPauseScale.
std::unique_ptr<Sleeper> CreateTransferSleeper(PortKind kind);

} // namespace zelt
