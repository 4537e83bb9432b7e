#include "view/DecimalForm.h"

#include "KeyContent.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace zelt {

namespace {

constexpr std::string_view kDelayPrefix = "[Delay";
constexpr std::string_view kShiftLevelPrefix = "[ShiftLevel";
constexpr int kMaxDelay = 250;
constexpr std::size_t kMaxDelayDigits = 3;
constexpr std::array<std::string_view, 3> kKeptKeywords = {"[Separator]", "[Caps]", "[CR]"};

bool AllDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool IsDelayKeyword(std::string_view keyword, bool& inRange) {
    if (!keyword.starts_with(kDelayPrefix)) {
        return false;
    }
    const std::string_view digits =
        keyword.substr(kDelayPrefix.size(), keyword.size() - kDelayPrefix.size() - 1);
    if (digits.empty() || digits.size() > kMaxDelayDigits || !AllDigits(digits)) {
        return false;
    }
    int value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    inRange = value >= 1 && value <= kMaxDelay;
    return true;
}

// A shift level keyword is a content of its own: it stands alone or not at all.
bool IsLoneShiftLevel(std::string_view keyword, std::string_view content) {
    return keyword == content && content.size() == kShiftLevelPrefix.size() + 2 &&
           content.starts_with(kShiftLevelPrefix) && content[kShiftLevelPrefix.size()] >= '1' &&
           content[kShiftLevelPrefix.size()] <= '9';
}

} // namespace

std::optional<DecimalFormTokens> SplitDecimalForm(std::string_view content) {
    DecimalFormTokens split;
    std::size_t i = 0;
    while (i < content.size()) {
        const char c = content[i];
        const bool doubled = i + 1 < content.size() && content[i + 1] == c;
        if ((c == '[' || c == ']') && doubled) {
            i += 2;
            continue;
        }
        if (c == ']') {
            split.complete = false;
            return split;
        }
        if (c == '[') {
            const std::size_t close = content.find(']', i);
            if (close == std::string_view::npos) {
                return std::nullopt;
            }
            const std::string_view keyword = content.substr(i, close - i + 1);
            bool delayInRange = false;
            const bool kept = std::find(kKeptKeywords.begin(), kKeptKeywords.end(), keyword) !=
                              kKeptKeywords.end();
            if (!kept && !(IsDelayKeyword(keyword, delayInRange) && delayInRange) &&
                !IsLoneShiftLevel(keyword, content)) {
                return std::nullopt;
            }
            split.tokens.push_back({i, close + 1});
            i = close + 1;
            continue;
        }
        split.tokens.push_back({i, i + 1});
        ++i;
    }
    return split;
}

std::string DecimalForm(std::string_view content) {
    const auto split = SplitDecimalForm(content);
    if (!split) {
        return {};
    }
    std::string form;
    for (const TokenSpan& token : split->tokens) {
        if (token.end - token.begin > 1) {
            form += content.substr(token.begin, token.end - token.begin);
        } else {
            form += '[';
            form += std::to_string(static_cast<unsigned char>(content[token.begin]));
            form += ']';
        }
    }
    return form;
}

std::string ShownDecimalForm(std::string_view content) {
    return IsAsciiContent(content) ? DecimalForm(content) : std::string();
}

int TokenIndex(std::string_view decimalForm, int position) {
    const auto end =
        static_cast<std::size_t>(std::clamp(position, 0, static_cast<int>(decimalForm.size())));
    return static_cast<int>(std::count(decimalForm.begin(), decimalForm.begin() + end, ']'));
}

} // namespace zelt
