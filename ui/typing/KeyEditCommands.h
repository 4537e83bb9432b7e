#pragma once

#include "MessageSink.h"
#include "typing/EditedKey.h"
#include "view/ViewController.h"

#include <string_view>

namespace zelt {

// Shown when the decimal display is asked for a content it cannot show.
inline constexpr const char* kWrongAsciiWordMessage = "Wrong ASCII or function word!!";

// What the dialogs of the commands offer: a delay of 0.1 to 10 seconds, and the character
// codes that a key may hold as they are (the codes above 240 and 0 have meanings of their own in
// a key record).
inline constexpr int kMinDelayTenths = 1;
inline constexpr int kMaxDelayTenths = 100;
inline constexpr int kMinAsciiCode = 1;
inline constexpr int kMaxAsciiCode = 240;
inline constexpr int kInitialAsciiCode = 32;

// The "Key Edit" commands on the selected key, without their dialogs: the values the dialogs
// ask for come in as arguments. Each returns what is to be redrawn. The Can... rules decide
// whether a command's menu item and toolbar button are available.
class KeyEditCommands {
public:
    explicit KeyEditCommands(ViewController& view) : view_(view), key_(view) {}

    bool CanClearKey();
    bool CanSetAsciiMode() const { return !key_.InAsciiMode(); }
    bool CanSetScanCodeMode() const { return key_.InAsciiMode(); }
    bool CanInsertCapsCode() const { return key_.InAsciiMode(); }
    bool CanEnterShiftLevel();
    bool CanEnterAsciiCode() const { return key_.InAsciiMode(); }
    bool CanSwitchAsciiDisplay() const { return key_.InAsciiMode(); }
    bool CanSelectScanCode() const { return !key_.InAsciiMode(); }

    // Empties the key (and, on the RM0480, the key that mirrors the KeyLock key).
    Redraw ClearKey();
    // Switching the mode empties a key that was in the other mode.
    Redraw SetAsciiMode();
    Redraw SetScanCodeMode();
    Redraw InsertCapsCode();
    // tenths: 1..100, the delay in tenths of a second. A value outside the range does nothing.
    Redraw InsertDelayTime(int tenths);
    Redraw EnterLevelSeparator();
    // level: 1..9; a value outside the range does nothing.
    Redraw EnterShiftLevel(int level);
    // code: 1..240, the byte to insert; a value outside the range does nothing.
    Redraw EnterAsciiCode(int code);
    // Turns the decimal display on or off; refused with a message for a content the decimal
    // display cannot show.
    Redraw SwitchAsciiDisplay(MessageSink& messages);
    // The text chosen or typed in the scan code list, as it is.
    Redraw InsertScanCode(std::string_view text);

private:
    Redraw InsertText(std::string_view text);
    void SetMode(int asciiMode);

    ViewController& view_;
    EditedKey key_;
};

} // namespace zelt
