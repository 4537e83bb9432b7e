#pragma once

namespace zelt {

enum class TransferDirection { Read, Write };

// Texts of the progress display.
inline constexpr const char* kReadingTitle = "Reading data from keyboard";
inline constexpr const char* kWritingTitle = "Writing data into keyboard";
inline constexpr const char* kDontTouchWarning = "Please don't use mouse and/or keyboard!";

constexpr const char* TransferTitle(TransferDirection direction) {
    return direction == TransferDirection::Read ? kReadingTitle : kWritingTitle;
}

// Percentage shown after block n (0..63) succeeded: (n + 1) x 100 / 64, truncated.
constexpr int ProgressPercent(int block) {
    return (block + 1) * 100 / 64;
}

// Follows a transfer's progress. The editor draws its progress display from it, the command
// line prints a progress line. TransferStarted comes right before the first block is tried
// (checks that end a transfer earlier come without it); TransferFinished comes once after the
// last block, or after the error message of a block that failed.
class TransferObserver {
public:
    virtual ~TransferObserver() = default;
    virtual void TransferStarted(TransferDirection direction) = 0;
    // Block (0..63) succeeded; percent as ProgressPercent(block).
    virtual void BlockTransferred(int block, int percent) = 0;
    virtual void TransferFinished() = 0;
};

// For callers that show no progress.
class NoProgress final : public TransferObserver {
public:
    void TransferStarted(TransferDirection) override {}
    void BlockTransferred(int, int) override {}
    void TransferFinished() override {}
};

} // namespace zelt
