#pragma once

#include "Command.h"
#include "ConsoleMessages.h"
#include "MessageSink.h"
#include "TransferObserver.h"

namespace zelt::tool {

// A transfer's progress as one line on the error stream ("Reading data from keyboard: 42%"),
// redrawn in place on a terminal and written once, with the last percentage, elsewhere; and
// the transfer's messages, each on its own line after it.
class TransferConsole final : public TransferObserver, public MessageSink {
public:
    TransferConsole(Console& console, bool interactive);

    void TransferStarted(TransferDirection direction) override;
    void BlockTransferred(int block, int percent) override;
    void TransferFinished() override;
    void ShowMessage(std::string_view text, MessageIcon icon = MessageIcon::None) override;

private:
    void EndLine();

    Console& console_;
    ConsoleMessages messages_;
    bool interactive_;
    bool lineOpen_ = false;
    const char* title_ = "";
    int percent_ = 0;
};

// True when the error stream is a terminal.
bool ErrorStreamIsTerminal();

} // namespace zelt::tool
