#pragma once

#include <chrono>
#include <vector>

namespace zelt {

// Every protocol pause of a transfer goes through a Sleeper, so that tests can check the exact
// sequence of pauses without waiting for them, and runs against the simulator can shorten them.
class Sleeper {
public:
    virtual ~Sleeper() = default;
    virtual void Sleep(std::chrono::milliseconds duration) = 0;
};

// Blocks the calling thread for the whole duration (restarting after signal interruptions).
class RealSleeper final : public Sleeper {
public:
    void Sleep(std::chrono::milliseconds duration) override;
};

// Records each pause in milliseconds and returns at once.
class RecordingSleeper final : public Sleeper {
public:
    void Sleep(std::chrono::milliseconds duration) override {
        pauses.push_back(static_cast<int>(duration.count()));
    }
    std::vector<int> pauses;
};

// Blocks for a fixed fraction of every pause: 1 keeps the protocol's timing, 0 skips pauses.
// Only for talking to the simulator, which does not need the time a real keyboard needs.
class ScaledSleeper final : public Sleeper {
public:
    explicit ScaledSleeper(double scale) : scale_(scale < 0 ? 0 : scale) {}
    void Sleep(std::chrono::milliseconds duration) override;

private:
    double scale_;
    RealSleeper real_;
};

} // namespace zelt
