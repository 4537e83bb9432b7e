#pragma once

#include <span>
#include <string>
#include <string_view>

namespace zelt {

// One row of the keyword reference: the keyword, how many tabs separate it from its
// description, and the description. Rows come in groups; a group ends after its last row.
struct KeywordListRow {
    std::string_view keyword;
    int tabs;
    std::string_view description;
    bool endsGroup;
};

// The scan code keywords the reference names, in its order.
std::span<const KeywordListRow> KeywordListRows();

// The reference text shown in "Special Function Key Word Table": a heading, the keyword rows
// with a blank line after each group, and a note on the one-character keywords. Lines end with
// a line feed, the last one too.
std::string KeywordListText();

} // namespace zelt
