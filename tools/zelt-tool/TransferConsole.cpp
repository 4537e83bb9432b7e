#include "TransferConsole.h"

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace zelt::tool {

TransferConsole::TransferConsole(Console& console, bool interactive)
    : console_(console), messages_(console), interactive_(interactive) {}

bool ErrorStreamIsTerminal() {
#ifdef _WIN32
    return _isatty(2) != 0;
#else
    return ::isatty(STDERR_FILENO) == 1;
#endif
}

void TransferConsole::TransferStarted(TransferDirection direction) {
    EndLine();
    title_ = TransferTitle(direction);
    percent_ = 0;
    lineOpen_ = true;
    console_.err << title_ << ": ";
    if (interactive_) {
        console_.err << "0%" << std::flush;
    }
}

void TransferConsole::BlockTransferred(int /*block*/, int percent) {
    percent_ = percent;
    if (interactive_ && lineOpen_) {
        console_.err << '\r' << title_ << ": " << percent << '%' << std::flush;
    }
}

void TransferConsole::TransferFinished() {
    EndLine();
}

void TransferConsole::EndLine() {
    if (!lineOpen_) {
        return;
    }
    if (!interactive_) {
        console_.err << percent_ << '%';
    }
    console_.err << '\n';
    lineOpen_ = false;
}

void TransferConsole::ShowMessage(std::string_view text, MessageIcon icon) {
    // A message in the middle of a transfer (a block that failed) closes the progress line
    // first, so both stay readable.
    EndLine();
    messages_.ShowMessage(text, icon);
}

} // namespace zelt::tool
