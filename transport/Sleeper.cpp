#include "Sleeper.h"

#include <thread>

namespace zelt {

void RealSleeper::Sleep(std::chrono::milliseconds duration) {
    // sleep_until on the steady clock resumes after interruptions and never returns early.
    if (duration.count() > 0) {
        std::this_thread::sleep_until(std::chrono::steady_clock::now() + duration);
    }
}

void ScaledSleeper::Sleep(std::chrono::milliseconds duration) {
    const auto scaled = std::chrono::duration<double, std::milli>(duration) * scale_;
    const auto micro = std::chrono::duration_cast<std::chrono::microseconds>(scaled);
    if (micro.count() > 0) {
        std::this_thread::sleep_until(std::chrono::steady_clock::now() + micro);
    }
}

} // namespace zelt
