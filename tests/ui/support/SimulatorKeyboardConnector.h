#pragma once

#include "HidBackend.h"
#include "KeyboardConnection.h"
#include "PlatformCode.h"
#include "Sleeper.h"
#include "Trace.h"
#include "TransportFactory.h"
#include "transfer/KeyboardPort.h"

#include <functional>
#include <memory>
#include <vector>

namespace zelt::test {

// What a transfer did to the platform, as seen from the editor's side of the transport.
struct TransferLog {
    // Every protocol pause in milliseconds; none is waited for.
    std::vector<int> pauses;
    // Runs at every pause, while the transfer is under way (a test looks at the window there).
    std::function<void(int pauseNumber)> onPause;
    // Questions for USB interfaces and opened USB devices.
    int interfaceQueries = 0;
    int deviceOpens = 0;
};

// Records the pauses instead of waiting for them.
class LoggingSleeper final : public Sleeper {
public:
    explicit LoggingSleeper(std::shared_ptr<TransferLog> log) : log_(std::move(log)) {}
    void Sleep(std::chrono::milliseconds duration) override {
        log_->pauses.push_back(static_cast<int>(duration.count()));
        if (log_->onPause) {
            log_->onPause(static_cast<int>(log_->pauses.size()));
        }
    }

private:
    std::shared_ptr<TransferLog> log_;
};

// Passes everything on to the real backend and counts what the editor asked of it.
class CountingHidBackend final : public HidBackend {
public:
    CountingHidBackend(std::unique_ptr<HidBackend> inner, std::shared_ptr<TransferLog> log)
        : inner_(std::move(inner)), log_(std::move(log)) {}
    HidInterfaceQuery QueryInterface(HidInterfaceClass cls, int index) override {
        ++log_->interfaceQueries;
        return inner_->QueryInterface(cls, index);
    }
    HidOpenResult Open(const std::string& path) override {
        ++log_->deviceOpens;
        return inner_->Open(path);
    }

private:
    std::unique_ptr<HidBackend> inner_;
    std::shared_ptr<TransferLog> log_;
};

// The program's own way to the keyboard (the simulator named by ZELT_HID_SIM and ZELT_KBPORT),
// except that the pauses are logged rather than waited for.
inline KeyboardConnector SimulatorConnector(std::shared_ptr<TransferLog> log) {
    return [log](PortKind kind, MessageSink& messages) {
        if (kind == PortKind::Usb) {
            return KeyboardConnection::ConnectUsb(
                std::make_unique<CountingHidBackend>(CreateHidBackend(), log), SystemPlatformCode(),
                std::make_unique<LoggingSleeper>(log), DefaultTrace(), messages);
        }
        return KeyboardConnection::ConnectPs2(CreateKbPortDriver(), SystemPlatformId,
                                              std::make_unique<LoggingSleeper>(log), messages);
    };
}

} // namespace zelt::test
