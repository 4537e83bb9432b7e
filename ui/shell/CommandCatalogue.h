#pragma once

#include <span>
#include <string_view>

namespace zelt {

// What the user sees of one command.
struct CommandInfo {
    int id;
    // Object name of its QAction, so tests and scripts find it.
    const char* objectName;
    // Menu item text; a "\t" separates the shortcut shown at the right. nullptr: no menu item.
    const char* menuText;
    // Status bar prompt, then "\n" and the toolbar tooltip. nullptr: no prompt.
    const char* prompt;
    // Name of its toolbar image (see ToolBarIcon); nullptr: no toolbar button.
    const char* icon;
    // Shortcuts that work besides the one the menu shows, separated by ", ".
    const char* extraShortcuts;
};

// Marks a separator in a menu and a gap between toolbar groups.
inline constexpr int kSeparator = 0;

struct MenuInfo {
    const char* title;
    const char* objectName;
    std::span<const int> items;
};

std::span<const CommandInfo> AllCommands();
const CommandInfo* FindCommand(int id);

// Menu bar, left to right, and the toolbar, left to right.
std::span<const MenuInfo> MenuBarLayout();
std::span<const int> ToolBarLayout();

// The parts of a menu text and of a prompt.
std::string_view MenuItemText(const CommandInfo& info);
std::string_view MenuShortcutText(const CommandInfo& info);
std::string_view StatusPromptText(const CommandInfo& info);
std::string_view ToolTipText(const CommandInfo& info);

// Text of the status bar's message pane while no item is highlighted.
inline constexpr const char* kReadyText = "Ready";

} // namespace zelt
