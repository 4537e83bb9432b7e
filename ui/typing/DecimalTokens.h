#pragma once

#include "view/DecimalForm.h"

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace zelt {

// The tokens of a content as the decimal display shows them, in order: token i is the i-th
// bracketed group of the decimal form. Escaped brackets ("[[", "]]") show as nothing and belong
// to no token. Nothing when the display has nothing to show for the content: it is not a
// valid ASCII-mode content, or the decimal form cannot express it.
//
// In the decimal display the caret index counts tokens; edits there work on whole tokens
// through these spans, so that a deletion or an insertion never lands inside a keyword.
std::optional<std::vector<TokenSpan>> DecimalTokens(std::string_view content);

// The content position of token `index`: where it begins, or the end of the content for an
// index at or past the last token.
std::size_t TokenPosition(const std::vector<TokenSpan>& tokens, int index, std::size_t contentSize);

} // namespace zelt
