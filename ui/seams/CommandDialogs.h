#pragma once

#include "CommPort.h"
#include "KbProperties.h"
#include "MessageSink.h"
#include "MrProperties.h"

#include <optional>
#include <string>

namespace zelt {

enum class TextFileAction { Import, Export };

// The dialogs that commands open. Each method shows one modal dialog and returns what the user
// chose; every way out other than confirming (Cancel, Esc, the close button) gives the "nothing
// chosen" value. The widget implementation opens real dialogs; tests script the answers.
//
// A command that needs a further dialog gets a method here, a dialog class in ui/dialogs, the
// call in WidgetCommandDialogs and a scripted answer in the test double.
class CommandDialogs {
public:
    virtual ~CommandDialogs() = default;

    // "Select Communication Port", with "PS/2" preselected.
    virtual std::optional<CommPort> ChoosePort() = 0;

    // File dialogs for template files. Template files have no extension of their own, so every
    // file is offered. Paths are in the file system's own encoding.
    virtual std::optional<std::string> GetOpenTemplatePath(const std::string& startDirectory) = 0;
    virtual std::optional<std::string> GetSaveTemplatePath(const std::string& suggestedPath) = 0;

    // "Select Keyboard": true only when the user answers Yes.
    virtual bool ConfirmSelectKeyboard() = 0;

    // "About ZELT".
    virtual void ShowAbout() = 0;

    // "Text File Template Import/Export": the text file to import from or export to.
    virtual std::optional<std::string> GetTextTemplatePath(TextFileAction action,
                                                           const std::string& startDirectory) = 0;

    // "Config KB properties" opened on values: the values confirmed with OK.
    virtual std::optional<KbProperties> EditKbProperties(const KbProperties& values) = 0;

    // "Config MR properties" opened on values: the values confirmed with OK, each string field
    // valid for its bytes. The field checks report to messages while the dialog is open.
    virtual std::optional<MrProperties> EditMrProperties(const MrProperties& values,
                                                         MessageSink& messages) = 0;

    // "Put Delay Time": a delay of 1..100 tenths of a second. "Put Shift Level Code": a level
    // 1..9. "Input ASCII Code", opened on 32: a character code 1..240. Each refuses a text
    // outside its range with a message to messages and stays open.
    virtual std::optional<int> AskDelayTime(MessageSink& messages) = 0;
    virtual std::optional<int> AskShiftLevel(MessageSink& messages) = 0;
    virtual std::optional<int> AskAsciiCode(MessageSink& messages) = 0;

    // "Input Scan Code", opened on "[F6]": the text chosen from the list or typed, as bytes.
    virtual std::optional<std::string> AskScanCode() = 0;

    // "Special Function Key Word Table", until the user closes it.
    virtual void ShowKeyWordList() = 0;
};

} // namespace zelt
