#include "shell/CommandCatalogue.h"

#include "ExpectedCommands.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace zelt {
namespace {

TEST(CommandCatalogue, MenusHoldTheirItemsInOrder) {
    const auto menus = MenuBarLayout();
    ASSERT_EQ(menus.size(), expected::MenuBar().size());
    for (std::size_t m = 0; m < menus.size(); ++m) {
        const auto& want = expected::MenuBar()[m];
        EXPECT_STREQ(menus[m].title, want.title);
        ASSERT_EQ(menus[m].items.size(), want.items.size()) << want.title;
        for (std::size_t i = 0; i < want.items.size(); ++i) {
            if (want.items[i].text == nullptr) {
                EXPECT_EQ(menus[m].items[i], kSeparator) << want.title << " item " << i;
                continue;
            }
            EXPECT_EQ(menus[m].items[i], want.items[i].id) << want.items[i].text;
            const CommandInfo* info = FindCommand(want.items[i].id);
            ASSERT_NE(info, nullptr);
            EXPECT_STREQ(info->menuText, want.items[i].text);
        }
    }
}

TEST(CommandCatalogue, PromptsSplitIntoStatusTextAndToolTip) {
    for (const auto& want : expected::Prompts()) {
        const CommandInfo* info = FindCommand(want.id);
        ASSERT_NE(info, nullptr) << want.id;
        EXPECT_EQ(StatusPromptText(*info), want.status) << want.id;
        EXPECT_EQ(ToolTipText(*info), want.toolTip) << want.id;
    }
}

TEST(CommandCatalogue, ToolBarHasEighteenButtonsInSixGroups) {
    const auto toolBar = ToolBarLayout();
    EXPECT_EQ(std::vector<int>(toolBar.begin(), toolBar.end()), expected::ToolBar());
    int buttons = 0;
    for (const int id : toolBar) {
        if (id == kSeparator) {
            continue;
        }
        ++buttons;
        const CommandInfo* info = FindCommand(id);
        ASSERT_NE(info, nullptr);
        EXPECT_NE(info->icon, nullptr) << id;
    }
    EXPECT_EQ(buttons, 18);
}

TEST(CommandCatalogue, IdsAndObjectNamesAreUnique) {
    std::set<int> ids;
    std::set<std::string> names;
    for (const CommandInfo& info : AllCommands()) {
        EXPECT_TRUE(ids.insert(info.id).second) << info.id;
        EXPECT_TRUE(names.insert(info.objectName).second) << info.objectName;
    }
    EXPECT_EQ(FindCommand(12345), nullptr);
}

} // namespace
} // namespace zelt
