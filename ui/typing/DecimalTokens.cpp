#include "typing/DecimalTokens.h"

#include "KeyContent.h"
#include "KeywordTables.h"
#include "view/DecimalForm.h"

namespace zelt {

namespace {

// A keyword the decimal form keeps as it is. The form's own rules decide; a shift level keyword
// is kept only as the whole content.
bool IsKeptKeyword(std::string_view keyword, std::string_view content) {
    if (keyword.starts_with(kShiftLevelKeywordPrefix) && keyword.size() != content.size()) {
        return false;
    }
    return DecimalForm(keyword) == keyword;
}

} // namespace

std::optional<std::vector<TokenSpan>> DecimalTokens(std::string_view content) {
    if (!IsAsciiContent(content)) {
        return std::nullopt;
    }
    std::vector<TokenSpan> tokens;
    std::size_t i = 0;
    while (i < content.size()) {
        const char c = content[i];
        const bool doubled = i + 1 < content.size() && content[i + 1] == c;
        if ((c == '[' || c == ']') && doubled) {
            i += 2;
            continue;
        }
        if (c == ']') {
            // The form ends at a stray bracket; what follows is not shown and cannot be
            // reached by a token caret.
            return std::nullopt;
        }
        if (c == '[') {
            const std::size_t close = content.find(']', i);
            if (close == std::string_view::npos ||
                !IsKeptKeyword(content.substr(i, close - i + 1), content)) {
                return std::nullopt;
            }
            tokens.push_back({i, close + 1});
            i = close + 1;
            continue;
        }
        tokens.push_back({i, i + 1});
        ++i;
    }
    return tokens;
}

std::size_t TokenPosition(const std::vector<TokenSpan>& tokens, int index,
                          std::size_t contentSize) {
    if (index < 0) {
        return tokens.empty() ? contentSize : tokens.front().begin;
    }
    const auto at = static_cast<std::size_t>(index);
    return at < tokens.size() ? tokens[at].begin : contentSize;
}

} // namespace zelt
