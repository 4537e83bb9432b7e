#include "TextTemplateFormat.h"

#include "ModelCode.h"
#include "ModelLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

namespace zelt {
namespace {

struct FieldCase {
    std::string raw;
    std::string escaped;
};

TEST(TextTemplateFormatTest, EscapesBackslashAndCommaOnly) {
    const FieldCase cases[] = {
        {"", ""},
        {"abc", "abc"},
        {"1,2", "1\\,2"},
        {"\\", "\\\\"},
        {"a\\,b", "a\\\\\\,b"},
        {"[[x]][F1]", "[[x]][F1]"},
        {"\x80\xFF\t\r\"", "\x80\xFF\t\r\""},
    };
    for (const FieldCase& c : cases) {
        EXPECT_EQ(EscapeTextField(c.raw), c.escaped) << c.raw;
        const std::vector<std::string> back = SplitTextFields(EscapeTextField(c.raw));
        ASSERT_EQ(back.size(), 1U) << c.raw;
        EXPECT_EQ(back[0], c.raw);
    }
}

struct SplitCase {
    std::string row;
    std::vector<std::string> fields;
};

TEST(TextTemplateFormatTest, SplitsRowsIntoUnescapedFields) {
    const SplitCase cases[] = {
        {"", {""}},
        {"abc", {"abc"}},
        {"a,b", {"a", "b"}},
        {"a\\,b,c", {"a,b", "c"}},
        {"a,b,c", {"a", "b", "c"}},
        {",", {"", ""}},
        {"\\x\\y", {"xy"}}, // a backslash before any byte is dropped
        {"a\\", {"a"}},     // and at the very end too
        {"\\\\,", {"\\", ""}},
        {"K\\\\1,[[\\,]]", {"K\\1", "[[,]]"}},
    };
    for (const SplitCase& c : cases) {
        EXPECT_EQ(SplitTextFields(c.row), c.fields) << c.row;
    }
}

KeyTexts LabelsOf(const ModelLayout& layout) {
    return layout.labels;
}

TEST(TextTemplateFormatTest, WritesOneCrLfRowPerLayoutPosition) {
    const ModelLayout& layout = LayoutForModel(kModelRM0480);
    KeyTexts contents;
    contents[14 - 1] = "[ESC]";    // layout position 0
    contents[161 - 1] = "abc[CR]"; // "KeyLock", the last position
    contents[144 - 1] = "1,2";     // layout position 1
    const std::string text = FormatTextTemplate(layout, LabelsOf(layout), contents);

    std::vector<std::string> rows;
    std::size_t start = 0;
    for (std::size_t end = text.find("\r\n"); end != std::string::npos;
         start = end + 2, end = text.find("\r\n", start)) {
        rows.push_back(text.substr(start, end - start));
    }
    EXPECT_EQ(start, text.size()) << "the file ends with a complete row";
    ASSERT_EQ(rows.size(), 124U);
    EXPECT_EQ(rows[0], "`,[ESC]");
    EXPECT_EQ(rows[1], "1,1\\,2");
    EXPECT_EQ(rows[13], "\\\\,");
    EXPECT_EQ(rows[28], ",");
    EXPECT_EQ(rows[40], "\",");
    EXPECT_EQ(rows[123], "KeyLock,abc[CR]");
}

// Texts that test the escaping and byte transparency of a round trip.
std::vector<std::string> AwkwardTexts() {
    std::string high;
    for (int b = 0x80; b <= 0xFF; ++b) {
        high.push_back(static_cast<char>(b));
    }
    std::string low;
    for (int b = 0x01; b < 0x20; ++b) {
        if (b != '\n') {
            low.push_back(static_cast<char>(b));
        }
    }
    return {"",  "a,b",         "\\",  "\\,", ",,,", "[[x]]",       "[F1][Separator][F2]", high,
            low, "ends with\\", "x\r", "\r",  " ",   "[Delay7]abc", "a\\b\\\\c,d"};
}

TEST(TextTemplateFormatTest, ExportThenImportKeepsEveryLabelAndContent) {
    const std::vector<std::string> texts = AwkwardTexts();
    for (const ModelLayout* layout : ModelCatalogue()) {
        SCOPED_TRACE(layout->name);
        KeyTexts labels = layout->labels;
        KeyTexts contents;
        for (int p = 0; p < layout->keyCount; ++p) {
            const auto at = static_cast<std::size_t>(p);
            labels[at] = texts[at % texts.size()] + "L";
            contents[static_cast<std::size_t>(layout->positionToKey[at])] =
                texts[(at + 3) % texts.size()];
        }
        // Two positions editing one key must agree on its content.
        const std::string text = FormatTextTemplate(*layout, labels, contents);

        KeyTexts importedLabels;
        KeyTexts importedContents;
        importedContents.fill("untouched");
        EXPECT_EQ(ApplyTextTemplate(*layout, text, importedLabels, importedContents),
                  layout->keyCount);
        for (int p = 0; p < layout->keyCount; ++p) {
            const auto at = static_cast<std::size_t>(p);
            const auto key = static_cast<std::size_t>(layout->positionToKey[at]);
            EXPECT_EQ(importedLabels[at], labels[at]) << "layout position " << p;
            EXPECT_EQ(importedContents[key], contents[key]) << "layout position " << p;
        }
        // Keys the model does not show are left alone.
        for (std::size_t key = 0; key < kKeyCount; ++key) {
            const auto* begin = layout->positionToKey.begin();
            const auto* end = begin + layout->keyCount;
            if (std::find(begin, end, static_cast<int>(key)) == end) {
                EXPECT_EQ(importedContents[key], "untouched") << "key number " << key + 1;
            }
        }
    }
}

std::string Rows(int count, const std::string& prefix = "r") {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += prefix + std::to_string(i) + ",c" + std::to_string(i) + "\r\n";
    }
    return text;
}

TEST(TextTemplateFormatTest, RowsBeyondTheKeyCountAreCountedButNotApplied) {
    const ModelLayout& layout = LayoutForModel(kModelRM0480);
    KeyTexts labels;
    KeyTexts contents;
    EXPECT_EQ(ApplyTextTemplate(layout, Rows(125), labels, contents), 125);
    EXPECT_EQ(labels[123], "r123");
    EXPECT_EQ(contents[161 - 1], "c123");
    EXPECT_TRUE(labels[124].empty());
}

TEST(TextTemplateFormatTest, LastRowWithoutLineFeedIsIgnored) {
    const ModelLayout& layout = LayoutForModel(kModelTK0517);
    KeyTexts labels;
    KeyTexts contents;
    const std::string text = Rows(16) + "last,content";
    EXPECT_EQ(ApplyTextTemplate(layout, text, labels, contents), 16);
    EXPECT_EQ(labels[15], "r15");
    EXPECT_TRUE(labels[16].empty());
    EXPECT_TRUE(contents[static_cast<std::size_t>(layout.positionToKey[16])].empty());
}

TEST(TextTemplateFormatTest, LineFeedInsideAContentStartsANewRow) {
    const ModelLayout& layout = LayoutForModel(kModelTK0517);
    KeyTexts labels = layout.labels;
    KeyTexts contents;
    const auto key0 = static_cast<std::size_t>(layout.positionToKey[0]);
    const auto key1 = static_cast<std::size_t>(layout.positionToKey[1]);
    contents[key0] = "ab\ncd";
    const std::string text = FormatTextTemplate(layout, labels, contents);
    EXPECT_EQ(text.substr(0, 12), "K01,ab\ncd\r\nK") << "written unchanged";

    KeyTexts readLabels;
    KeyTexts readContents;
    EXPECT_EQ(ApplyTextTemplate(layout, text, readLabels, readContents), 18);
    EXPECT_EQ(readContents[key0], "ab");
    EXPECT_EQ(readLabels[1], "cd");
    EXPECT_EQ(readContents[key1], "");
}

TEST(TextTemplateFormatTest, RowShapes) {
    const ModelLayout& layout = LayoutForModel(kModelTK0517);
    KeyTexts labels;
    KeyTexts contents;
    contents.fill("old");
    const std::string text = "a\\,b,c\n"          // escaped comma in the label, plain LF
                             "no comma\r\n"       // clears the content
                             "x,y,z\r\n"          // fields after the second are ignored
                             "cr\rinside,v\r\r\n" // only the CR right before the LF goes
                             "\n";                // an empty row clears label and content
    EXPECT_EQ(ApplyTextTemplate(layout, text, labels, contents), 5);
    const auto content = [&](int position) {
        return contents[static_cast<std::size_t>(
            layout.positionToKey[static_cast<std::size_t>(position)])];
    };
    EXPECT_EQ(labels[0], "a,b");
    EXPECT_EQ(content(0), "c");
    EXPECT_EQ(labels[1], "no comma");
    EXPECT_EQ(content(1), "");
    EXPECT_EQ(labels[2], "x");
    EXPECT_EQ(content(2), "y");
    EXPECT_EQ(labels[3], "cr\rinside");
    EXPECT_EQ(content(3), "v\r");
    EXPECT_EQ(labels[4], "");
    EXPECT_EQ(content(4), "");
    EXPECT_EQ(content(5), "old") << "positions without a row keep their content";
}

TEST(TextTemplateFormatTest, RM0480FileUnderTK0517SetsTheFirst17Keys) {
    const ModelLayout& rm0480 = LayoutForModel(kModelRM0480);
    KeyTexts contents;
    for (int p = 0; p < rm0480.keyCount; ++p) {
        contents[static_cast<std::size_t>(rm0480.positionToKey[static_cast<std::size_t>(p)])] =
            "p" + std::to_string(p);
    }
    const std::string text = FormatTextTemplate(rm0480, rm0480.labels, contents);

    const ModelLayout& tk0517 = LayoutForModel(kModelTK0517);
    KeyTexts labels;
    KeyTexts imported;
    EXPECT_EQ(ApplyTextTemplate(tk0517, text, labels, imported), 124);
    for (int p = 0; p < tk0517.keyCount; ++p) {
        const auto at = static_cast<std::size_t>(p);
        EXPECT_EQ(labels[at], rm0480.labels[at]);
        EXPECT_EQ(imported[static_cast<std::size_t>(tk0517.positionToKey[at])],
                  "p" + std::to_string(p));
    }
}

} // namespace
} // namespace zelt
