#include "TemplateFit.h"

#include "KeyArea.h"
#include "KeyContent.h"

#include <array>

namespace zelt {

namespace {

constexpr const char* kTooLargeStart = "The template is ";
constexpr const char* kTooLargeEnd =
    " too large for the keyboard's memory and cannot be written.\nShorten or clear some keys "
    "and try again.";

std::string TooLargeMessage(int excess) {
    return kTooLargeStart + std::to_string(excess) + (excess == 1 ? " byte" : " bytes") +
           kTooLargeEnd;
}

} // namespace

int KeyAreaBytesNeeded(const TemplateData& data) {
    // The builder first makes the RM0480's "KeyLock" key and key 122 agree; measure what it
    // will then encode.
    std::array<std::string, kKeyCount> contents = data.keyContents;
    MirrorKeyLock(contents, data.modelCode);
    int needed = 0;
    for (const std::string& text : contents) {
        needed += static_cast<int>(EncodeKeyContent(text).size()) + 1;
    }
    return needed;
}

std::optional<std::string> CheckKeyAreaFits(const TemplateData& data) {
    const int excess = KeyAreaBytesNeeded(data) - static_cast<int>(kKeyAreaSize);
    if (excess > 0) {
        return TooLargeMessage(excess);
    }
    return std::nullopt;
}

bool CanBuildKeyArea(const TemplateData& data, MessageSink& messages) {
    if (!ValidateAllKeys(data, messages)) {
        return false;
    }
    if (const auto message = CheckKeyAreaFits(data)) {
        messages.ShowMessage(*message, MessageIcon::Warning);
        return false;
    }
    return true;
}

} // namespace zelt
