#pragma once

// The menus, prompts and toolbar as the user must see them, written out independently of the
// program's own tables so that a wrong entry there shows up as a difference.

#include <vector>

namespace zelt::expected {

struct Item {
    const char* text; // nullptr: separator
    int id;
};

struct Menu {
    const char* title;
    std::vector<Item> items;
};

inline const std::vector<Menu>& MenuBar() {
    static const std::vector<Menu> menus = {
        {"&Template",
         {{"&New\tCtrl+N", 57600},
          {"&Load...\tCtrl+L", 57601},
          {"&Save\tCtrl+S", 57603},
          {"Save &As...", 57604},
          {nullptr, 0},
          {"Load &Default\tCtrl+D", 32795},
          {nullptr, 0},
          {"&Import Text Data\tCtrl+I", 32774},
          {"&Export Text Data\tCtrl+E", 32798},
          {nullptr, 0},
          {"E&xit", 57665}}},
        {"Key&board",
         {{"RM0410", 32818},
          {"RM0420", 32819},
          {"RM0480", 32811},
          {"TK0530", 32823},
          {"TK0550", 32821},
          {"TK0517", 32822}}},
        {"&Key Edit",
         {{"&Clear Current Key", 32785},
          {"Set &ASCII Mode", 32783},
          {"Set &ScanCode Mode", 32784},
          {"Insert &Caps Code", 32788},
          {"Insert &Delay Time", 32789},
          {"Enter &Level Separator", 32790},
          {"Enter &Shift Level code", 32791},
          {"&Enter ASCII Code", 32801},
          {"Switch ASCII Display mode", 32807},
          {"Select Scan Code", 32816}}},
        {"&Configuration",
         {{"&Read From KB", 32771},
          {"&Write Into KB", 32772},
          {"Config &KB Properties", 32773},
          {"Config &MR properties", 32810}}},
        {"T&esting", {{"Keyboard Output", 32797}}},
        {"&View", {{"&Toolbar", 59392}, {"&Status Bar", 59393}}},
        {"&Help", {{"&About ZELT...", 57664}, {"Key Word &List", 32803}}},
    };
    return menus;
}

struct Prompt {
    int id;
    const char* status;
    const char* toolTip;
};

inline const std::vector<Prompt>& Prompts() {
    static const std::vector<Prompt> prompts = {
        {57600, "Create a new Template", "New Template"},
        {57601, "Load from template file", "Load Template"},
        {57603, "Save to template file", "Save Template"},
        {57604, "Save the active Template with a new name", "Save As"},
        {32795, "Load default template", "Default"},
        {32774, "Import template data from a text file", "Import text data"},
        {32798, "Export template data from a text file", "Export text data"},
        {57665, "Quit the application; prompts to save documents", "Exit"},
        {32818, "Select RM0410 keyboard", "RM0410"},
        {32819, "Select RM0420 keyboard", "RM0420"},
        {32811, "Select RM0480 keyboard", "RM0480"},
        {32823, "Select TK0530 keyboard", "TK0530"},
        {32821, "Select TK0550 keyboard", "TK0550"},
        {32822, "Select TK0517 Keyboard", "TK0517"},
        {32785, "Clear current key content", "Clear Key"},
        {32783, "Set key to ASCII code mode", "ASCII code mode"},
        {32784, "Set key to scan code mode", "Scan code mode"},
        {32788, "Insert a Caps function code", "Insert caps code"},
        {32789, "Insert inter-string delay time function code", "Insert Delay time"},
        {32790, "Enter level-separator function code", "Enter Level separator"},
        {32791, "Enter multi-level function code", "Multi-level code"},
        {32801, "Enter ASCII code as decimal", "Enter ASCII code"},
        {32807, "Switch ASCII display mode", "Display mode"},
        {32816, "Enter scan code from list", "Enter Scan code"},
        {32771, "Read data from keyboard", "Read data"},
        {32772, "Write data into keyboard", "Write data"},
        {32773, "Config &KB Properties", ""},
        {32810, "Config MR properties", "Config MR"},
        {32812, "Config RS232 protocol", "Config RS232"},
        {59392, "Show or hide the toolbar", "Toggle ToolBar"},
        {59393, "Show or hide the status bar", "Toggle StatusBar"},
        {57664, "Display program information, version number and copyright", "About"},
        {32803, "Special Function Key Word Table", "Key Word"},
        {32797, "", ""},
    };
    return prompts;
}

// 0 marks a gap between groups.
inline const std::vector<int>& ToolBar() {
    static const std::vector<int> buttons = {57600, 57601, 57603, 0,     32812, 32773, 32810, 0,
                                             32771, 32772, 0,     32785, 32783, 32784, 0,     32788,
                                             32789, 32790, 32791, 0,     32816, 32801, 32807};
    return buttons;
}

} // namespace zelt::expected
