#include "typing/DecimalTokens.h"

#include "KeyContent.h"
#include "view/DecimalForm.h"

namespace zelt {

std::optional<std::vector<TokenSpan>> DecimalTokens(std::string_view content) {
    if (!IsAsciiContent(content)) {
        return std::nullopt;
    }
    auto split = SplitDecimalForm(content);
    // A form that ends at a stray bracket leaves the rest of the content where no token caret
    // can reach it.
    if (!split || !split->complete) {
        return std::nullopt;
    }
    return std::move(split->tokens);
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
