#include "input/KeyEventMapping.h"

#include "input/PcKeyTable.h"

#include <QKeyEvent>
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace zelt {
namespace {

// Every key of a US keyboard: its Linux input code, the Qt key it produces unshifted (with Num
// Lock on for the keypad), and what the editor's rules must receive: the Windows virtual-key
// code and the set-1 scan code with 0x100 for E0 keys. Written from the PC keyboard's own code
// charts, independently of the mapping table.
struct KeyExpectation {
    const char* name;
    int evdev;
    int qtKey;
    bool keypad;
    int virtualKey;
    int scanFlags;
};

// clang-format off
const KeyExpectation kKeys[] = {
    {"Escape", 1, Qt::Key_Escape, false, 27, 0x01},
    {"1", 2, Qt::Key_1, false, 49, 0x02},           {"2", 3, Qt::Key_2, false, 50, 0x03},
    {"3", 4, Qt::Key_3, false, 51, 0x04},           {"4", 5, Qt::Key_4, false, 52, 0x05},
    {"5", 6, Qt::Key_5, false, 53, 0x06},           {"6", 7, Qt::Key_6, false, 54, 0x07},
    {"7", 8, Qt::Key_7, false, 55, 0x08},           {"8", 9, Qt::Key_8, false, 56, 0x09},
    {"9", 10, Qt::Key_9, false, 57, 0x0A},          {"0", 11, Qt::Key_0, false, 48, 0x0B},
    {"Minus", 12, Qt::Key_Minus, false, 189, 0x0C}, {"Equal", 13, Qt::Key_Equal, false, 187, 0x0D},
    {"Backspace", 14, Qt::Key_Backspace, false, 8, 0x0E},
    {"Tab", 15, Qt::Key_Tab, false, 9, 0x0F},
    {"Q", 16, Qt::Key_Q, false, 81, 0x10}, {"W", 17, Qt::Key_W, false, 87, 0x11},
    {"E", 18, Qt::Key_E, false, 69, 0x12}, {"R", 19, Qt::Key_R, false, 82, 0x13},
    {"T", 20, Qt::Key_T, false, 84, 0x14}, {"Y", 21, Qt::Key_Y, false, 89, 0x15},
    {"U", 22, Qt::Key_U, false, 85, 0x16}, {"I", 23, Qt::Key_I, false, 73, 0x17},
    {"O", 24, Qt::Key_O, false, 79, 0x18}, {"P", 25, Qt::Key_P, false, 80, 0x19},
    {"BracketLeft", 26, Qt::Key_BracketLeft, false, 219, 0x1A},
    {"BracketRight", 27, Qt::Key_BracketRight, false, 221, 0x1B},
    {"Enter", 28, Qt::Key_Return, false, 13, 0x1C},
    {"LeftCtrl", 29, Qt::Key_Control, false, 17, 0x1D},
    {"A", 30, Qt::Key_A, false, 65, 0x1E}, {"S", 31, Qt::Key_S, false, 83, 0x1F},
    {"D", 32, Qt::Key_D, false, 68, 0x20}, {"F", 33, Qt::Key_F, false, 70, 0x21},
    {"G", 34, Qt::Key_G, false, 71, 0x22}, {"H", 35, Qt::Key_H, false, 72, 0x23},
    {"J", 36, Qt::Key_J, false, 74, 0x24}, {"K", 37, Qt::Key_K, false, 75, 0x25},
    {"L", 38, Qt::Key_L, false, 76, 0x26},
    {"Semicolon", 39, Qt::Key_Semicolon, false, 186, 0x27},
    {"Apostrophe", 40, Qt::Key_Apostrophe, false, 222, 0x28},
    {"Grave", 41, Qt::Key_QuoteLeft, false, 192, 0x29},
    {"LeftShift", 42, Qt::Key_Shift, false, 16, 0x2A},
    {"Backslash", 43, Qt::Key_Backslash, false, 220, 0x2B},
    {"Z", 44, Qt::Key_Z, false, 90, 0x2C}, {"X", 45, Qt::Key_X, false, 88, 0x2D},
    {"C", 46, Qt::Key_C, false, 67, 0x2E}, {"V", 47, Qt::Key_V, false, 86, 0x2F},
    {"B", 48, Qt::Key_B, false, 66, 0x30}, {"N", 49, Qt::Key_N, false, 78, 0x31},
    {"M", 50, Qt::Key_M, false, 77, 0x32},
    {"Comma", 51, Qt::Key_Comma, false, 188, 0x33},
    {"Period", 52, Qt::Key_Period, false, 190, 0x34},
    {"Slash", 53, Qt::Key_Slash, false, 191, 0x35},
    {"RightShift", 54, Qt::Key_Shift, false, 16, 0x36},
    {"KeypadMultiply", 55, Qt::Key_Asterisk, true, 106, 0x37},
    {"LeftAlt", 56, Qt::Key_Alt, false, 18, 0x38},
    {"Space", 57, Qt::Key_Space, false, 32, 0x39},
    {"CapsLock", 58, Qt::Key_CapsLock, false, 20, 0x3A},
    {"F1", 59, Qt::Key_F1, false, 112, 0x3B}, {"F2", 60, Qt::Key_F2, false, 113, 0x3C},
    {"F3", 61, Qt::Key_F3, false, 114, 0x3D}, {"F4", 62, Qt::Key_F4, false, 115, 0x3E},
    {"F5", 63, Qt::Key_F5, false, 116, 0x3F}, {"F6", 64, Qt::Key_F6, false, 117, 0x40},
    {"F7", 65, Qt::Key_F7, false, 118, 0x41}, {"F8", 66, Qt::Key_F8, false, 119, 0x42},
    {"F9", 67, Qt::Key_F9, false, 120, 0x43}, {"F10", 68, Qt::Key_F10, false, 121, 0x44},
    {"Pause", 119, Qt::Key_Pause, false, 19, 0x45},
    {"ScrollLock", 70, Qt::Key_ScrollLock, false, 145, 0x46},
    {"Keypad7", 71, Qt::Key_7, true, 103, 0x47}, {"Keypad8", 72, Qt::Key_8, true, 104, 0x48},
    {"Keypad9", 73, Qt::Key_9, true, 105, 0x49},
    {"KeypadMinus", 74, Qt::Key_Minus, true, 109, 0x4A},
    {"Keypad4", 75, Qt::Key_4, true, 100, 0x4B}, {"Keypad5", 76, Qt::Key_5, true, 101, 0x4C},
    {"Keypad6", 77, Qt::Key_6, true, 102, 0x4D},
    {"KeypadPlus", 78, Qt::Key_Plus, true, 107, 0x4E},
    {"Keypad1", 79, Qt::Key_1, true, 97, 0x4F}, {"Keypad2", 80, Qt::Key_2, true, 98, 0x50},
    {"Keypad3", 81, Qt::Key_3, true, 99, 0x51}, {"Keypad0", 82, Qt::Key_0, true, 96, 0x52},
    {"KeypadPeriod", 83, Qt::Key_Period, true, 110, 0x53},
    {"Iso102nd", 86, Qt::Key_Less, false, 226, 0x56},
    {"F11", 87, Qt::Key_F11, false, 122, 0x57}, {"F12", 88, Qt::Key_F12, false, 123, 0x58},
    {"KeypadEnter", 96, Qt::Key_Enter, true, 13, 0x11C},
    {"RightCtrl", 97, Qt::Key_Control, false, 17, 0x11D},
    {"KeypadDivide", 98, Qt::Key_Slash, true, 111, 0x135},
    {"PrintScreen", 99, Qt::Key_Print, false, 44, 0x137},
    {"RightAlt", 100, Qt::Key_Alt, false, 18, 0x138},
    {"NumLock", 69, Qt::Key_NumLock, false, 144, 0x145},
    {"Home", 102, Qt::Key_Home, false, 36, 0x147},
    {"ArrowUp", 103, Qt::Key_Up, false, 38, 0x148},
    {"PageUp", 104, Qt::Key_PageUp, false, 33, 0x149},
    {"ArrowLeft", 105, Qt::Key_Left, false, 37, 0x14B},
    {"ArrowRight", 106, Qt::Key_Right, false, 39, 0x14D},
    {"End", 107, Qt::Key_End, false, 35, 0x14F},
    {"ArrowDown", 108, Qt::Key_Down, false, 40, 0x150},
    {"PageDown", 109, Qt::Key_PageDown, false, 34, 0x151},
    {"Insert", 110, Qt::Key_Insert, false, 45, 0x152},
    {"Delete", 111, Qt::Key_Delete, false, 46, 0x153},
    {"LeftWindows", 125, Qt::Key_Super_L, false, 91, 0x15B},
    {"RightWindows", 126, Qt::Key_Super_R, false, 92, 0x15C},
    {"Menu", 127, Qt::Key_Menu, false, 93, 0x15D},
};
// clang-format on

// Test names and failure output name the key rather than dumping its bytes.
void PrintTo(const KeyExpectation& key, std::ostream* out) {
    *out << key.name;
}

// Without a scan code, Qt cannot tell these right-hand keys (and the ISO key, whose characters
// the comma key has too) from the keys the lookup settles on.
const std::map<std::string, std::string> kQtKeyAmbiguous = {
    {"RightShift", "LeftShift"},
    {"RightCtrl", "LeftCtrl"},
    {"RightAlt", "LeftAlt"},
    {"Iso102nd", "Comma"},
};

const KeyExpectation& Expectation(const std::string& name) {
    for (const KeyExpectation& key : kKeys) {
        if (name == key.name) {
            return key;
        }
    }
    ADD_FAILURE() << "no expectation named " << name;
    return kKeys[0];
}

Qt::KeyboardModifiers KeypadIf(bool keypad) {
    return keypad ? Qt::KeypadModifier : Qt::NoModifier;
}

QKeyEvent NativeEvent(QEvent::Type type, int qtKey, bool keypad, quint32 nativeScanCode,
                      bool autoRepeat = false, quint32 nativeVirtualKey = 0,
                      quint32 nativeModifiers = 0) {
    return QKeyEvent(type, qtKey, KeypadIf(keypad), nativeScanCode, nativeVirtualKey,
                     nativeModifiers, QString(), autoRepeat);
}

class KeyEventMappingRow : public ::testing::TestWithParam<KeyExpectation> {};

TEST_P(KeyEventMappingRow, FromTheLinuxKeyCode) {
    const KeyExpectation& key = GetParam();
    const QKeyEvent event =
        NativeEvent(QEvent::KeyPress, key.qtKey, key.keypad, static_cast<quint32>(key.evdev + 8));
    const auto mapped = MapKeyEvent(event, true, NativeKeyCodes::Evdev);
    ASSERT_TRUE(mapped);
    EXPECT_EQ(mapped->virtualKey, key.virtualKey);
    EXPECT_EQ(mapped->scanFlags, key.scanFlags);
}

TEST_P(KeyEventMappingRow, FromTheQtKeyAlone) {
    const KeyExpectation& key = GetParam();
    const auto ambiguous = kQtKeyAmbiguous.find(key.name);
    const KeyExpectation& expected =
        ambiguous == kQtKeyAmbiguous.end() ? key : Expectation(ambiguous->second);
    const QKeyEvent event(QEvent::KeyPress, key.qtKey, KeypadIf(key.keypad));
    const auto mapped = MapKeyEvent(event, true, NativeKeyCodes::None);
    ASSERT_TRUE(mapped);
    EXPECT_EQ(mapped->virtualKey, expected.virtualKey);
    EXPECT_EQ(mapped->scanFlags, expected.scanFlags);
}

TEST_P(KeyEventMappingRow, FromTheWindowsScanCode) {
    const KeyExpectation& key = GetParam();
    // Windows reports the extended bit among the native modifiers; the virtual-key code is its
    // own and passes through.
    const quint32 extended = (key.scanFlags & 0x100) != 0 ? 0x01000000u : 0u;
    const QKeyEvent event = NativeEvent(QEvent::KeyPress, key.qtKey, key.keypad,
                                        static_cast<quint32>(key.scanFlags & 0xFF), false,
                                        static_cast<quint32>(key.virtualKey), extended);
    const auto mapped = MapKeyEvent(event, true, NativeKeyCodes::Windows);
    ASSERT_TRUE(mapped);
    EXPECT_EQ(mapped->virtualKey, key.virtualKey);
    EXPECT_EQ(mapped->scanFlags, key.scanFlags);
}

INSTANTIATE_TEST_SUITE_P(EveryKey, KeyEventMappingRow, ::testing::ValuesIn(kKeys),
                         [](const ::testing::TestParamInfo<KeyExpectation>& row) {
                             return std::string(row.param.name);
                         });

TEST(PcKeyTable, HasExactlyTheKeysOfTheChart) {
    std::set<std::string> tableNames;
    for (const PcKeyRow& row : PcKeyTable()) {
        EXPECT_TRUE(tableNames.insert(row.name).second) << row.name;
        EXPECT_EQ(FindPcKeyByScanCode(row.scanCode), &row) << row.name;
        EXPECT_EQ(FindPcKeyByEvdevCode(row.evdevCode), &row) << row.name;
    }
    std::set<std::string> chartNames;
    for (const KeyExpectation& key : kKeys) {
        chartNames.insert(key.name);
    }
    EXPECT_EQ(tableNames, chartNames);
}

// What the keys give with Shift held (US layout) or, on the keypad, with Num Lock off.
struct AlternateKey {
    int qtKey;
    bool keypad;
    int virtualKey;
    int scanFlags;
};

TEST(KeyEventMapping, ShiftedCharactersAndNumLockOffKeysFromTheQtKey) {
    const AlternateKey keys[] = {
        {Qt::Key_Exclam, false, 49, 0x02},      {Qt::Key_At, false, 50, 0x03},
        {Qt::Key_NumberSign, false, 51, 0x04},  {Qt::Key_Dollar, false, 52, 0x05},
        {Qt::Key_Percent, false, 53, 0x06},     {Qt::Key_AsciiCircum, false, 54, 0x07},
        {Qt::Key_Ampersand, false, 55, 0x08},   {Qt::Key_Asterisk, false, 56, 0x09},
        {Qt::Key_ParenLeft, false, 57, 0x0A},   {Qt::Key_ParenRight, false, 48, 0x0B},
        {Qt::Key_Underscore, false, 189, 0x0C}, {Qt::Key_Plus, false, 187, 0x0D},
        {Qt::Key_Backtab, false, 9, 0x0F},      {Qt::Key_BraceLeft, false, 219, 0x1A},
        {Qt::Key_BraceRight, false, 221, 0x1B}, {Qt::Key_Colon, false, 186, 0x27},
        {Qt::Key_QuoteDbl, false, 222, 0x28},   {Qt::Key_AsciiTilde, false, 192, 0x29},
        {Qt::Key_Bar, false, 220, 0x2B},        {Qt::Key_Less, false, 188, 0x33},
        {Qt::Key_Greater, false, 190, 0x34},    {Qt::Key_Question, false, 191, 0x35},
        {Qt::Key_Home, true, 36, 0x47},         {Qt::Key_Up, true, 38, 0x48},
        {Qt::Key_PageUp, true, 33, 0x49},       {Qt::Key_Left, true, 37, 0x4B},
        {Qt::Key_Clear, true, 12, 0x4C},        {Qt::Key_Right, true, 39, 0x4D},
        {Qt::Key_End, true, 35, 0x4F},          {Qt::Key_Down, true, 40, 0x50},
        {Qt::Key_PageDown, true, 34, 0x51},     {Qt::Key_Insert, true, 45, 0x52},
        {Qt::Key_Delete, true, 46, 0x53},       {Qt::Key_AltGr, false, 18, 0x138},
        {Qt::Key_Meta, false, 91, 0x15B},
    };
    for (const AlternateKey& key : keys) {
        const QKeyEvent event(QEvent::KeyPress, key.qtKey, KeypadIf(key.keypad));
        const auto mapped = MapKeyEvent(event, true, NativeKeyCodes::None);
        ASSERT_TRUE(mapped) << key.qtKey;
        EXPECT_EQ(mapped->virtualKey, key.virtualKey) << std::hex << key.qtKey;
        EXPECT_EQ(mapped->scanFlags, key.scanFlags) << std::hex << key.qtKey;
    }
}

TEST(KeyEventMapping, KeypadKeyTakesItsCodeFromTheQtKeyAndNumLockOnlyWhenThatIsUnknown) {
    // Keypad 7 with Num Lock off arrives as Home on the keypad.
    auto mapped = MapKeyEvent(NativeEvent(QEvent::KeyPress, Qt::Key_Home, true, 71 + 8), true,
                              NativeKeyCodes::Evdev);
    ASSERT_TRUE(mapped);
    EXPECT_EQ(*mapped, (pc::KeyCode{36, 0x47}));
    // A layout whose keypad decimal key types a comma: Num Lock decides.
    mapped = MapKeyEvent(NativeEvent(QEvent::KeyPress, Qt::Key_Comma, true, 83 + 8), true,
                         NativeKeyCodes::Evdev);
    EXPECT_EQ(*mapped, (pc::KeyCode{110, 0x53}));
    mapped = MapKeyEvent(NativeEvent(QEvent::KeyPress, Qt::Key_Comma, true, 83 + 8), false,
                         NativeKeyCodes::Evdev);
    EXPECT_EQ(*mapped, (pc::KeyCode{46, 0x53}));
}

TEST(KeyEventMapping, LettersFollowTheLayoutAndOtherKeysTheirPosition) {
    // The key right of Tab types "a" on a French layout: the code of A with the scan code of
    // its position, as Windows reports it.
    auto mapped = MapKeyEvent(NativeEvent(QEvent::KeyPress, Qt::Key_A, false, 16 + 8), true,
                              NativeKeyCodes::Evdev);
    EXPECT_EQ(*mapped, (pc::KeyCode{65, 0x10}));
    // The same layout's "&" on the digit row is still the key of 1.
    mapped = MapKeyEvent(NativeEvent(QEvent::KeyPress, Qt::Key_Ampersand, false, 2 + 8), true,
                         NativeKeyCodes::Evdev);
    EXPECT_EQ(*mapped, (pc::KeyCode{49, 0x02}));
}

TEST(KeyEventMapping, RepeatsAndReleasesCarryTheirBits) {
    const QKeyEvent repeat = NativeEvent(QEvent::KeyPress, Qt::Key_A, false, 30 + 8, true);
    EXPECT_EQ(*MapKeyEvent(repeat, true, NativeKeyCodes::Evdev), (pc::KeyCode{65, 0x401E}));
    EXPECT_TRUE(MapKeyEvent(repeat, true, NativeKeyCodes::Evdev)->IsAutoRepeat());

    const QKeyEvent release = NativeEvent(QEvent::KeyRelease, Qt::Key_Shift, false, 54 + 8);
    const auto released = MapKeyEvent(release, true, NativeKeyCodes::Evdev);
    EXPECT_EQ(released->scanFlags, 0xC036);
    EXPECT_TRUE(released->IsRelease());
    EXPECT_FALSE(released->IsAutoRepeat());
    EXPECT_EQ(released->ScanCode(), 0x36);

    const QKeyEvent synthesized(QEvent::KeyRelease, Qt::Key_Shift, Qt::NoModifier);
    EXPECT_EQ(MapKeyEvent(synthesized, true, NativeKeyCodes::None)->scanFlags, 0xC02A);

    // X11 sends a release before every repeated press; Windows does not, and the Shift state
    // must not flicker with it.
    const QKeyEvent repeatRelease = NativeEvent(QEvent::KeyRelease, Qt::Key_A, false, 38, true);
    EXPECT_FALSE(MapKeyEvent(repeatRelease, true, NativeKeyCodes::Evdev));
}

TEST(KeyEventMapping, UnknownKeysAndCodesFallBackOrMapToNothing) {
    // A native code the table does not have (a media key): the Qt key decides.
    auto mapped = MapKeyEvent(NativeEvent(QEvent::KeyPress, Qt::Key_F1, false, 113 + 8), true,
                              NativeKeyCodes::Evdev);
    EXPECT_EQ(*mapped, (pc::KeyCode{112, 0x3B}));
    // A code below the X11 offset is no key code at all.
    mapped = MapKeyEvent(NativeEvent(QEvent::KeyPress, Qt::Key_F2, false, 3), true,
                         NativeKeyCodes::Evdev);
    EXPECT_EQ(*mapped, (pc::KeyCode{113, 0x3C}));
    // A key no table knows still arrives, as nothing the rules can type.
    mapped = MapKeyEvent(QKeyEvent(QEvent::KeyPress, Qt::Key_Eacute, Qt::NoModifier), true,
                         NativeKeyCodes::None);
    EXPECT_EQ(*mapped, (pc::KeyCode{0, 0}));
    // Windows: the extended bit may also come with the scan code itself.
    mapped = MapKeyEvent(NativeEvent(QEvent::KeyPress, Qt::Key_Delete, false, 0x153, false, 46),
                         true, NativeKeyCodes::Windows);
    EXPECT_EQ(*mapped, (pc::KeyCode{46, 0x153}));
}

TEST(KeyEventMapping, MenuKeysAreAltF10AndAnythingWithAlt) {
    const auto isMenuKey = [](int key, Qt::KeyboardModifiers modifiers) {
        return IsMenuKey(QKeyEvent(QEvent::KeyPress, key, modifiers));
    };
    EXPECT_TRUE(isMenuKey(Qt::Key_Alt, Qt::AltModifier));
    EXPECT_TRUE(isMenuKey(Qt::Key_AltGr, Qt::NoModifier));
    EXPECT_TRUE(isMenuKey(Qt::Key_F10, Qt::NoModifier));
    EXPECT_TRUE(isMenuKey(Qt::Key_X, Qt::AltModifier));
    EXPECT_TRUE(isMenuKey(Qt::Key_Backspace, Qt::AltModifier));
    EXPECT_FALSE(isMenuKey(Qt::Key_X, Qt::AltModifier | Qt::ControlModifier));
    EXPECT_FALSE(isMenuKey(Qt::Key_X, Qt::NoModifier));
    EXPECT_FALSE(isMenuKey(Qt::Key_F9, Qt::ShiftModifier));
    EXPECT_FALSE(isMenuKey(Qt::Key_Menu, Qt::NoModifier));
}

} // namespace
} // namespace zelt
