#include "commands/KeyEditCommandBindings.h"

#include "shell/CommandIds.h"
#include "shell/CommandSet.h"
#include "view/CZELTView.h"

#include <functional>
#include <optional>
#include <string>

namespace zelt {

namespace {

// A command that runs only while its rule allows: a shortcut or a stale toolbar state must not
// carry out what the menu would refuse.
void BindGuarded(CommandSet& commands, int id, CZELTView& view,
                 std::function<bool(KeyEditCommands&)> rule,
                 std::function<Redraw(KeyEditCommands&)> action) {
    commands.Bind(id, {[&view, rule, action] {
                           KeyEditCommands& edit = view.EditCommands();
                           if (rule(edit)) {
                               view.Apply(action(edit));
                           }
                       },
                       [&view, rule] { return rule(view.EditCommands()); },
                       {}});
}

bool Always(KeyEditCommands& /*edit*/) {
    return true;
}

template <typename Member> std::function<bool(KeyEditCommands&)> RuleOf(Member rule) {
    return [rule](KeyEditCommands& edit) { return (edit.*rule)(); };
}

// The value a dialog returned, applied by a command; a cancelled dialog does nothing.
template <typename Value>
std::function<Redraw(KeyEditCommands&)> WithDialogValue(std::function<std::optional<Value>()> ask,
                                                        Redraw (KeyEditCommands::*command)(Value)) {
    return [ask, command](KeyEditCommands& edit) {
        const std::optional<Value> value = ask();
        return value ? (edit.*command)(*value) : Redraw::None;
    };
}

} // namespace

void BindKeyEditCommands(CommandSet& commands, CZELTView& view, CommandDialogs& dialogs,
                         MessageSink& messages) {
    BindGuarded(commands, cmd::kClearKey, view, RuleOf(&KeyEditCommands::CanClearKey),
                [](KeyEditCommands& edit) { return edit.ClearKey(); });
    BindGuarded(commands, cmd::kSetAsciiMode, view, RuleOf(&KeyEditCommands::CanSetAsciiMode),
                [](KeyEditCommands& edit) { return edit.SetAsciiMode(); });
    BindGuarded(commands, cmd::kSetScanCodeMode, view, RuleOf(&KeyEditCommands::CanSetScanCodeMode),
                [](KeyEditCommands& edit) { return edit.SetScanCodeMode(); });
    BindGuarded(commands, cmd::kInsertCapsCode, view, RuleOf(&KeyEditCommands::CanInsertCapsCode),
                [](KeyEditCommands& edit) { return edit.InsertCapsCode(); });
    BindGuarded(
        commands, cmd::kInsertDelayTime, view, Always,
        WithDialogValue<int>([&dialogs, &messages] { return dialogs.AskDelayTime(messages); },
                             &KeyEditCommands::InsertDelayTime));
    BindGuarded(commands, cmd::kEnterLevelSeparator, view, Always,
                [](KeyEditCommands& edit) { return edit.EnterLevelSeparator(); });
    BindGuarded(
        commands, cmd::kEnterShiftLevel, view, RuleOf(&KeyEditCommands::CanEnterShiftLevel),
        WithDialogValue<int>([&dialogs, &messages] { return dialogs.AskShiftLevel(messages); },
                             &KeyEditCommands::EnterShiftLevel));
    BindGuarded(
        commands, cmd::kEnterAsciiCode, view, RuleOf(&KeyEditCommands::CanEnterAsciiCode),
        WithDialogValue<int>([&dialogs, &messages] { return dialogs.AskAsciiCode(messages); },
                             &KeyEditCommands::EnterAsciiCode));
    BindGuarded(commands, cmd::kSwitchAsciiDisplay, view,
                RuleOf(&KeyEditCommands::CanSwitchAsciiDisplay),
                [&messages](KeyEditCommands& edit) { return edit.SwitchAsciiDisplay(messages); });
    BindGuarded(commands, cmd::kSelectScanCode, view, RuleOf(&KeyEditCommands::CanSelectScanCode),
                [&dialogs](KeyEditCommands& edit) {
                    const std::optional<std::string> text = dialogs.AskScanCode();
                    return text ? edit.InsertScanCode(*text) : Redraw::None;
                });
}

} // namespace zelt
