#pragma once

// Command identifiers. They tie menu items, toolbar buttons, accelerators and status prompts to
// their handlers, and tests find actions by them.
namespace zelt::cmd {

// Template menu
inline constexpr int kNew = 57600;
inline constexpr int kLoad = 57601;
inline constexpr int kSave = 57603;
inline constexpr int kSaveAs = 57604;
inline constexpr int kLoadDefault = 32795;
inline constexpr int kImportText = 32774;
inline constexpr int kExportText = 32798;
inline constexpr int kExit = 57665;

// Keyboard menu
inline constexpr int kModelRM0410 = 32818;
inline constexpr int kModelRM0420 = 32819;
inline constexpr int kModelRM0480 = 32811;
inline constexpr int kModelTK0530 = 32823;
inline constexpr int kModelTK0550 = 32821;
inline constexpr int kModelTK0517 = 32822;

// Key Edit menu
inline constexpr int kClearKey = 32785;
inline constexpr int kSetAsciiMode = 32783;
inline constexpr int kSetScanCodeMode = 32784;
inline constexpr int kInsertCapsCode = 32788;
inline constexpr int kInsertDelayTime = 32789;
inline constexpr int kEnterLevelSeparator = 32790;
inline constexpr int kEnterShiftLevel = 32791;
inline constexpr int kEnterAsciiCode = 32801;
inline constexpr int kSwitchAsciiDisplay = 32807;
inline constexpr int kSelectScanCode = 32816;

// Configuration menu, plus the RS232 button that only the toolbar has
inline constexpr int kReadFromKb = 32771;
inline constexpr int kWriteIntoKb = 32772;
inline constexpr int kKbProperties = 32773;
inline constexpr int kMrProperties = 32810;
inline constexpr int kRs232Config = 32812;

// Testing, View and Help menus
inline constexpr int kKeyboardOutput = 32797;
inline constexpr int kToggleToolbar = 59392;
inline constexpr int kToggleStatusBar = 59393;
inline constexpr int kAbout = 57664;
inline constexpr int kKeyWordList = 32803;

// Accelerators without a handler: they are taken by the main window so that they never reach
// the editor view as typed keys.
inline constexpr int kUndo = 57643;
inline constexpr int kCut = 57635;
inline constexpr int kCopy = 57634;
inline constexpr int kPaste = 57637;
inline constexpr int kNextPane = 57680;
inline constexpr int kPreviousPane = 57681;

} // namespace zelt::cmd
