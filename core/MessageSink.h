#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zelt {

enum class MessageIcon { None, Information, Warning, Stop };

// Where logic sends the messages that the user must see. The editor shows them in a message
// box captioned "ZELT"; the command line prints them; tests record them.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void ShowMessage(std::string_view text, MessageIcon icon = MessageIcon::None) = 0;
};

class RecordingMessageSink final : public MessageSink {
public:
    void ShowMessage(std::string_view text, MessageIcon icon = MessageIcon::None) override {
        messages.emplace_back(text);
        icons.push_back(icon);
    }
    std::vector<std::string> messages;
    std::vector<MessageIcon> icons;
};

} // namespace zelt
