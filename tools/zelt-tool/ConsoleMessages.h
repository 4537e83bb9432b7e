#pragma once

#include "Command.h"
#include "MessageSink.h"

#include <string_view>

namespace zelt::tool {

// Shows the messages the editor would put in a message box as lines on the error stream.
class ConsoleMessages final : public MessageSink {
public:
    explicit ConsoleMessages(Console& console) : console_(console) {}

    void ShowMessage(std::string_view text, MessageIcon /*icon*/ = MessageIcon::None) override {
        console_.err << text;
        // Some of the system's texts end with their own line break.
        if (text.empty() || text.back() != '\n') {
            console_.err << '\n';
        }
    }

private:
    Console& console_;
};

} // namespace zelt::tool
