#pragma once

#include "MessageSink.h"

#include <string_view>

namespace zelt {

// Caption of every message box and the name under which the settings are stored.
inline constexpr const char* kAppTitle = "ZELT";

enum class YesNoCancel { Yes, No, Cancel };

// Everything the editor tells or asks the user in a message box. Logic reports through this
// interface and never opens a window itself, so tests answer with a scripted double and nothing
// ever blocks on a modal box.
class UserMessages : public MessageSink {
public:
    // A question with Yes, No and Cancel (closing the box counts as Cancel).
    virtual YesNoCancel AskYesNoCancel(std::string_view question) = 0;
};

} // namespace zelt
