#include "shell/CommandCatalogue.h"

#include "shell/CommandIds.h"

#include <algorithm>
#include <array>

namespace zelt {

namespace {

using namespace cmd;

// clang-format off
constexpr std::array kCommands = {
    CommandInfo{kNew, "actionNew", "&New\tCtrl+N",
                "Create a new Template\nNew Template", "new", nullptr},
    CommandInfo{kLoad, "actionLoad", "&Load...\tCtrl+L",
                "Load from template file\nLoad Template", "load", "Ctrl+O"},
    CommandInfo{kSave, "actionSave", "&Save\tCtrl+S",
                "Save to template file\nSave Template", "save", nullptr},
    CommandInfo{kSaveAs, "actionSaveAs", "Save &As...",
                "Save the active Template with a new name\nSave As", nullptr, nullptr},
    CommandInfo{kLoadDefault, "actionLoadDefault", "Load &Default\tCtrl+D",
                "Load default template\nDefault", nullptr, nullptr},
    CommandInfo{kImportText, "actionImportText", "&Import Text Data\tCtrl+I",
                "Import template data from a text file\nImport text data", nullptr, nullptr},
    CommandInfo{kExportText, "actionExportText", "&Export Text Data\tCtrl+E",
                "Export template data from a text file\nExport text data", nullptr, nullptr},
    CommandInfo{kExit, "actionExit", "E&xit",
                "Quit the application; prompts to save documents\nExit", nullptr, nullptr},

    CommandInfo{kModelRM0410, "actionModelRM0410", "RM0410",
                "Select RM0410 keyboard\nRM0410", nullptr, nullptr},
    CommandInfo{kModelRM0420, "actionModelRM0420", "RM0420",
                "Select RM0420 keyboard\nRM0420", nullptr, nullptr},
    CommandInfo{kModelRM0480, "actionModelRM0480", "RM0480",
                "Select RM0480 keyboard\nRM0480", nullptr, nullptr},
    CommandInfo{kModelTK0530, "actionModelTK0530", "TK0530",
                "Select TK0530 keyboard\nTK0530", nullptr, nullptr},
    CommandInfo{kModelTK0550, "actionModelTK0550", "TK0550",
                "Select TK0550 keyboard\nTK0550", nullptr, nullptr},
    CommandInfo{kModelTK0517, "actionModelTK0517", "TK0517",
                "Select TK0517 Keyboard\nTK0517", nullptr, nullptr},

    CommandInfo{kClearKey, "actionClearKey", "&Clear Current Key",
                "Clear current key content\nClear Key", "clearkey", nullptr},
    CommandInfo{kSetAsciiMode, "actionSetAsciiMode", "Set &ASCII Mode",
                "Set key to ASCII code mode\nASCII code mode", "asciimode", nullptr},
    CommandInfo{kSetScanCodeMode, "actionSetScanCodeMode", "Set &ScanCode Mode",
                "Set key to scan code mode\nScan code mode", "scanmode", nullptr},
    CommandInfo{kInsertCapsCode, "actionInsertCapsCode", "Insert &Caps Code",
                "Insert a Caps function code\nInsert caps code", "caps", nullptr},
    CommandInfo{kInsertDelayTime, "actionInsertDelayTime", "Insert &Delay Time",
                "Insert inter-string delay time function code\nInsert Delay time",
                "delay", nullptr},
    CommandInfo{kEnterLevelSeparator, "actionEnterLevelSeparator", "Enter &Level Separator",
                "Enter level-separator function code\nEnter Level separator",
                "separator", nullptr},
    CommandInfo{kEnterShiftLevel, "actionEnterShiftLevel", "Enter &Shift Level code",
                "Enter multi-level function code\nMulti-level code", "shiftlevel",
                nullptr},
    CommandInfo{kEnterAsciiCode, "actionEnterAsciiCode", "&Enter ASCII Code",
                "Enter ASCII code as decimal\nEnter ASCII code", "asciicode",
                nullptr},
    CommandInfo{kSwitchAsciiDisplay, "actionSwitchAsciiDisplay", "Switch ASCII Display mode",
                "Switch ASCII display mode\nDisplay mode", "displaymode", nullptr},
    CommandInfo{kSelectScanCode, "actionSelectScanCode", "Select Scan Code",
                "Enter scan code from list\nEnter Scan code", "scancode", nullptr},

    CommandInfo{kReadFromKb, "actionReadFromKb", "&Read From KB",
                "Read data from keyboard\nRead data", "readkb", nullptr},
    CommandInfo{kWriteIntoKb, "actionWriteIntoKb", "&Write Into KB",
                "Write data into keyboard\nWrite data", "writekb", nullptr},
    CommandInfo{kKbProperties, "actionKbProperties", "Config &KB Properties",
                "Config &KB Properties", "kbprops", nullptr},
    CommandInfo{kMrProperties, "actionMrProperties", "Config &MR properties",
                "Config MR properties\nConfig MR", "mrprops", nullptr},
    CommandInfo{kRs232Config, "actionRs232Config", nullptr,
                "Config RS232 protocol\nConfig RS232", "rs232", nullptr},

    CommandInfo{kKeyboardOutput, "actionKeyboardOutput", "Keyboard Output", nullptr, nullptr,
                nullptr},
    CommandInfo{kToggleToolbar, "actionToggleToolbar", "&Toolbar",
                "Show or hide the toolbar\nToggle ToolBar", nullptr, nullptr},
    CommandInfo{kToggleStatusBar, "actionToggleStatusBar", "&Status Bar",
                "Show or hide the status bar\nToggle StatusBar", nullptr, nullptr},
    CommandInfo{kAbout, "actionAbout", "&About ZELT...",
                "Display program information, version number and copyright\nAbout", nullptr,
                nullptr},
    CommandInfo{kKeyWordList, "actionKeyWordList", "Key Word &List",
                "Special Function Key Word Table\nKey Word", nullptr, nullptr},

    CommandInfo{kUndo, "acceleratorUndo", nullptr, nullptr, nullptr, "Ctrl+Z, Alt+Backspace"},
    CommandInfo{kCut, "acceleratorCut", nullptr, nullptr, nullptr, "Ctrl+X, Shift+Del"},
    CommandInfo{kCopy, "acceleratorCopy", nullptr, nullptr, nullptr, "Ctrl+C, Ctrl+Ins"},
    CommandInfo{kPaste, "acceleratorPaste", nullptr, nullptr, nullptr, "Ctrl+V, Shift+Ins"},
    CommandInfo{kNextPane, "acceleratorNextPane", nullptr, nullptr, nullptr, "F6"},
    CommandInfo{kPreviousPane, "acceleratorPreviousPane", nullptr, nullptr, nullptr, "Shift+F6"},
};

constexpr std::array kTemplateMenu = {kNew, kLoad, kSave, kSaveAs, kSeparator, kLoadDefault,
                                      kSeparator, kImportText, kExportText, kSeparator, kExit};
constexpr std::array kKeyboardMenu = {kModelRM0410, kModelRM0420, kModelRM0480,
                                      kModelTK0530, kModelTK0550, kModelTK0517};
constexpr std::array kKeyEditMenu = {kClearKey, kSetAsciiMode, kSetScanCodeMode,
                                     kInsertCapsCode, kInsertDelayTime, kEnterLevelSeparator,
                                     kEnterShiftLevel, kEnterAsciiCode, kSwitchAsciiDisplay,
                                     kSelectScanCode};
constexpr std::array kConfigurationMenu = {kReadFromKb, kWriteIntoKb, kKbProperties,
                                           kMrProperties};
constexpr std::array kTestingMenu = {kKeyboardOutput};
constexpr std::array kViewMenu = {kToggleToolbar, kToggleStatusBar};
constexpr std::array kHelpMenu = {kAbout, kKeyWordList};

const std::array kMenuBar = {
    MenuInfo{"&Template", "menuTemplate", kTemplateMenu},
    MenuInfo{"Key&board", "menuKeyboard", kKeyboardMenu},
    MenuInfo{"&Key Edit", "menuKeyEdit", kKeyEditMenu},
    MenuInfo{"&Configuration", "menuConfiguration", kConfigurationMenu},
    MenuInfo{"T&esting", "menuTesting", kTestingMenu},
    MenuInfo{"&View", "menuView", kViewMenu},
    MenuInfo{"&Help", "menuHelp", kHelpMenu},
};

constexpr std::array kToolBar = {
    kNew, kLoad, kSave, kSeparator,
    kRs232Config, kKbProperties, kMrProperties, kSeparator,
    kReadFromKb, kWriteIntoKb, kSeparator,
    kClearKey, kSetAsciiMode, kSetScanCodeMode, kSeparator,
    kInsertCapsCode, kInsertDelayTime, kEnterLevelSeparator, kEnterShiftLevel, kSeparator,
    kSelectScanCode, kEnterAsciiCode, kSwitchAsciiDisplay,
};
// clang-format on

std::string_view Before(const char* text, char separator) {
    if (text == nullptr) {
        return {};
    }
    const std::string_view all(text);
    return all.substr(0, all.find(separator));
}

std::string_view After(const char* text, char separator) {
    if (text == nullptr) {
        return {};
    }
    const std::string_view all(text);
    const auto at = all.find(separator);
    return at == std::string_view::npos ? std::string_view{} : all.substr(at + 1);
}

} // namespace

std::span<const CommandInfo> AllCommands() {
    return kCommands;
}

const CommandInfo* FindCommand(int id) {
    const auto it = std::find_if(kCommands.begin(), kCommands.end(),
                                 [id](const CommandInfo& info) { return info.id == id; });
    return it == kCommands.end() ? nullptr : &*it;
}

std::span<const MenuInfo> MenuBarLayout() {
    return kMenuBar;
}
std::span<const int> ToolBarLayout() {
    return kToolBar;
}

std::string_view MenuItemText(const CommandInfo& info) {
    return Before(info.menuText, '\t');
}
std::string_view MenuShortcutText(const CommandInfo& info) {
    return After(info.menuText, '\t');
}
std::string_view StatusPromptText(const CommandInfo& info) {
    return Before(info.prompt, '\n');
}
std::string_view ToolTipText(const CommandInfo& info) {
    return After(info.prompt, '\n');
}

} // namespace zelt
