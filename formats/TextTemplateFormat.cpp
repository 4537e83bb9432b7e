#include "TextTemplateFormat.h"

#include <cstddef>
#include <utility>

namespace zelt {

namespace {

constexpr char kEscape = '\\';
constexpr char kSeparator = ',';
constexpr std::string_view kRowEnd = "\r\n";

} // namespace

std::string EscapeTextField(std::string_view field) {
    std::string escaped;
    escaped.reserve(field.size());
    for (const char c : field) {
        if (c == kEscape || c == kSeparator) {
            escaped.push_back(kEscape);
        }
        escaped.push_back(c);
    }
    return escaped;
}

std::string FormatTextTemplate(const ModelLayout& layout, const KeyTexts& labels,
                               const KeyTexts& keyContents) {
    std::string text;
    for (int position = 0; position < layout.keyCount; ++position) {
        const auto at = static_cast<std::size_t>(position);
        const auto key = static_cast<std::size_t>(layout.positionToKey[at]);
        text += EscapeTextField(labels[at]);
        text += kSeparator;
        text += EscapeTextField(keyContents[key]);
        text += kRowEnd;
    }
    return text;
}

std::vector<std::string> SplitTextFields(std::string_view row) {
    std::vector<std::string> fields(1);
    for (std::size_t i = 0; i < row.size(); ++i) {
        const char c = row[i];
        if (c == kEscape) {
            if (++i < row.size()) {
                fields.back().push_back(row[i]);
            }
        } else if (c == kSeparator) {
            fields.emplace_back();
        } else {
            fields.back().push_back(c);
        }
    }
    return fields;
}

int ApplyTextTemplate(const ModelLayout& layout, std::string_view fileBytes, KeyTexts& labels,
                      KeyTexts& keyContents) {
    int rows = 0;
    std::size_t start = 0;
    for (std::size_t end = fileBytes.find('\n'); end != std::string_view::npos;
         start = end + 1, end = fileBytes.find('\n', start)) {
        std::string_view row = fileBytes.substr(start, end - start);
        if (!row.empty() && row.back() == '\r') {
            row.remove_suffix(1);
        }
        if (rows < layout.keyCount) {
            std::vector<std::string> fields = SplitTextFields(row);
            const auto at = static_cast<std::size_t>(rows);
            const auto key = static_cast<std::size_t>(layout.positionToKey[at]);
            labels[at] = std::move(fields[0]);
            keyContents[key] = fields.size() > 1 ? std::move(fields[1]) : std::string();
        }
        ++rows;
    }
    return rows;
}

} // namespace zelt
