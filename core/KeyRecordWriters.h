#pragma once

// The two places a key record is encoded into: a room that may be too small for it (where it is
// cut between codes) and a room known to hold all of it (where nothing needs checking). The
// encoder writes both the same way, code by code, so that what they leave behind is the same
// byte for byte.

#include "KeyRecordCodes.h"
#include "SmallCopy.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace zelt::encoding {

// A record under construction in a fixed span. Codes are appended whole or not at all, and
// the last few can be taken back when the record has to be cut.
class LimitedRecord {
public:
    explicit LimitedRecord(std::span<std::uint8_t> out) : out_(out) {}

    bool Append(const std::uint8_t* bytes, std::size_t count) {
        if (size_ + count > out_.size()) {
            return false;
        }
        Remember(size_);
        // Codes are a few bytes long; a loop is cheaper than a call.
        for (std::size_t i = 0; i < count; ++i) {
            out_[size_ + i] = bytes[i];
        }
        size_ += count;
        return true;
    }
    // Plain characters are codes of one byte each: as many as fit are appended. False when
    // not all of them fitted.
    bool AppendRun(std::string_view run) {
        const std::size_t fits = std::min(run.size(), out_.size() - size_);
        CopySmall(out_.data() + size_, run.data(), fits);
        for (std::size_t i = fits > kHistory ? fits - kHistory : 0; i < fits; ++i) {
            Remember(size_ + i);
        }
        size_ += fits;
        return fits == run.size();
    }
    void Clear() { size_ = remembered_ = 0; }
    // Takes back the last code appended; false when it is no longer known where it began.
    bool DropLastCode() {
        if (remembered_ == 0) {
            return false;
        }
        --remembered_;
        size_ = starts_[(next_ + kHistory - 1) % kHistory];
        next_ = (next_ + kHistory - 1) % kHistory;
        return true;
    }
    std::span<const std::uint8_t> Bytes() const { return {out_.data(), size_}; }
    std::size_t Size() const { return size_; }
    std::size_t Capacity() const { return out_.size(); }

    // Puts the scan-code record's lead byte in front; the caller made room for it.
    void PrependLead() {
        for (std::size_t i = size_; i > 0; --i) {
            out_[i] = out_[i - 1];
        }
        out_[0] = kScanRecordLead;
        ++size_;
    }

private:
    // Where the last few codes began: enough to take back the longest run of keywords that
    // together make one code, "[0E0][Shift][0E0]" and what completes it.
    static constexpr std::size_t kHistory = 4;

    void Remember(std::size_t start) {
        starts_[next_] = start;
        next_ = (next_ + 1) % kHistory;
        remembered_ = std::min(remembered_ + 1, kHistory);
    }

    std::span<std::uint8_t> out_;
    std::size_t size_ = 0;
    std::array<std::size_t, kHistory> starts_{};
    std::size_t next_ = 0;
    std::size_t remembered_ = 0;
};

// A record written where it has room for the whole of it, whatever its text: no element
// encodes to more bytes than it has characters, and the lead byte adds one. Nothing needs
// checking, and no code can be cut.
class DirectRecord {
public:
    explicit DirectRecord(std::uint8_t* out) : out_(out) {}

    bool Append(const std::uint8_t* bytes, std::size_t count) {
        // Codes are a few bytes long; a loop is cheaper than a call.
        for (std::size_t i = 0; i < count; ++i) {
            out_[size_ + i] = bytes[i];
        }
        size_ += count;
        return true;
    }
    bool AppendRun(std::string_view run) {
        CopySmall(out_ + size_, run.data(), run.size());
        size_ += run.size();
        return true;
    }
    void Clear() { size_ = 0; }
    std::size_t Size() const { return size_; }

    // Puts the scan-code record's lead byte in front.
    void PrependLead() {
        MoveSmall(out_ + 1, out_, size_);
        out_[0] = kScanRecordLead;
        ++size_;
    }

private:
    std::uint8_t* out_;
    std::size_t size_ = 0;
};

} // namespace zelt::encoding
