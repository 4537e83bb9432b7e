#pragma once

#include "KbPortDriver.h"

#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace zelt::testing {

// Records every request; answers from a queue (when empty: answered with 48 bytes of output
// filled with outputFill).
struct FakeKbPortState {
    bool openSucceeds = true;
    std::string openError = "\\\\.\\KBport: not found";
    int opens = 0;
    int closes = 0;
    std::vector<KbRequest> requests;
    struct Answer {
        KbControlResult result;
        KbRequest output{};
    };
    std::deque<Answer> answers;
    std::uint8_t outputFill = 0xA5;
};

class FakeKbPortDriver final : public KbPortDriver {
public:
    explicit FakeKbPortDriver(std::shared_ptr<FakeKbPortState> state) : state_(std::move(state)) {}
    bool Open(std::string& error) override {
        ++state_->opens;
        if (!state_->openSucceeds) {
            error = state_->openError;
        }
        return state_->openSucceeds;
    }
    KbControlResult Control(const KbRequest& input, KbRequest& output) override {
        state_->requests.push_back(input);
        if (state_->answers.empty()) {
            output.fill(state_->outputFill);
            return {true, static_cast<std::uint32_t>(kKbRequestSize), 0};
        }
        const auto answer = state_->answers.front();
        state_->answers.pop_front();
        output = answer.output;
        return answer.result;
    }
    void Close() override { ++state_->closes; }

private:
    std::shared_ptr<FakeKbPortState> state_;
};

} // namespace zelt::testing
