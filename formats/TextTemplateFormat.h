#pragma once

#include "ModelLayout.h"
#include "TemplateImage.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// The text template: one row per layout position of a model, holding the key's label and the
// key content of the key number that position edits, separated by a comma. Bytes are copied
// unchanged; only "\" and "," are escaped with a "\" in front.
namespace zelt {

using KeyTexts = std::array<std::string, kKeyCount>;

// A field with every "\" and "," escaped.
std::string EscapeTextField(std::string_view field);

// The whole file: one CR LF ended row per layout position of the layout.
std::string FormatTextTemplate(const ModelLayout& layout, const KeyTexts& labels,
                               const KeyTexts& keyContents);

// Splits one row (without its line end) into unescaped fields. A "\" takes the next byte
// literally whatever it is; a "\" at the very end is dropped. A row always has at least one
// field.
std::vector<std::string> SplitTextFields(std::string_view row);

// Applies the rows of a file to the labels (by layout position) and key contents (by the key
// number each position edits). A row ends at a line feed, and a CR right before it is dropped;
// bytes after the last line feed do not form a row. Rows beyond the layout's key count are
// counted but not applied. Returns the number of rows.
int ApplyTextTemplate(const ModelLayout& layout, std::string_view fileBytes, KeyTexts& labels,
                      KeyTexts& keyContents);

} // namespace zelt
