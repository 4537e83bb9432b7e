#include "view/ContentWindow.h"

#include "KeyContent.h"
#include "view/DecimalForm.h"
#include "view/ViewGeometry.h"

#include <algorithm>
#include <array>

namespace zelt {

namespace {

constexpr std::array<std::uint8_t, 8> kReplacedBytes = {0x81, 0x8D, 0x8F, 0x90,
                                                        0x9D, 0xA2, 0xAD, 0xF8};
constexpr std::uint8_t kFirstPrintable = 0x20;

std::string Window(std::string_view source, int start) {
    const int length = static_cast<int>(source.size());
    // A stale caret (after the content shrank under it) must not take the window outside the
    // source.
    start = std::clamp(start, 0, length);
    const int end = std::min(start + std::min(length, view::kContentColumns), length);
    std::string shown(
        source.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start)));
    for (char& c : shown) {
        if (IsPlaceholderByte(static_cast<std::uint8_t>(c))) {
            c = static_cast<char>(kPlaceholderByte);
        }
    }
    return shown;
}

} // namespace

bool IsPlaceholderByte(std::uint8_t byte) {
    return byte < kFirstPrintable ||
           std::find(kReplacedBytes.begin(), kReplacedBytes.end(), byte) != kReplacedBytes.end();
}

std::string ContentBoxText(const ViewState& state, std::string_view content) {
    if (state.decimalDisplay == 0) {
        return Window(content, state.caretIndex - state.caretColumn);
    }
    if (!IsAsciiContent(content)) {
        return {};
    }
    return Window(DecimalForm(content), state.decimalCaretIndex - state.caretColumn);
}

} // namespace zelt
