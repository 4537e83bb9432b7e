#pragma once

#include "seams/CommandDialogs.h"

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace zelt::test {

// Answers the dialogs from scripts, one queue per dialog, and records what was asked. A dialog
// without a scripted answer fails the test and is left as if cancelled.
class ScriptedCommandDialogs final : public CommandDialogs {
public:
    std::optional<CommPort> ChoosePort() override {
        events.emplace_back("port");
        return Next(ports, "port choice", std::optional<CommPort>{});
    }
    std::optional<std::string> GetOpenTemplatePath(const std::string& startDirectory) override {
        openFolders.push_back(startDirectory);
        events.emplace_back("open");
        return Next(openPaths, "open dialog", std::optional<std::string>{});
    }
    std::optional<std::string> GetSaveTemplatePath(const std::string& suggestedPath) override {
        saveSuggestions.push_back(suggestedPath);
        events.emplace_back("save");
        return Next(savePaths, "save dialog", std::optional<std::string>{});
    }
    bool ConfirmSelectKeyboard() override {
        events.emplace_back("select keyboard");
        return Next(keyboardConfirmations, "keyboard selection", false);
    }
    void ShowAbout() override { events.emplace_back("about"); }
    std::optional<std::string> GetTextTemplatePath(TextFileAction action,
                                                   const std::string& startDirectory) override {
        events.emplace_back(action == TextFileAction::Import ? "import" : "export");
        textFolders.push_back(startDirectory);
        return Next(textPaths, "text file dialog", std::optional<std::string>{});
    }
    std::optional<KbProperties> EditKbProperties(const KbProperties& values) override {
        events.emplace_back("kb properties");
        kbShown.push_back(values);
        return Next(kbAnswers, "KB properties dialog", std::optional<KbProperties>{});
    }
    std::optional<MrProperties> EditMrProperties(const MrProperties& values,
                                                 MessageSink& /*messages*/) override {
        events.emplace_back("mr properties");
        mrShown.push_back(values);
        return Next(mrAnswers, "MR properties dialog", std::optional<MrProperties>{});
    }

    std::optional<int> AskDelayTime(MessageSink& /*messages*/) override {
        events.emplace_back("delay time");
        return Next(delayTimes, "delay time dialog", std::optional<int>{});
    }
    std::optional<int> AskShiftLevel(MessageSink& /*messages*/) override {
        events.emplace_back("shift level");
        return Next(shiftLevels, "shift level dialog", std::optional<int>{});
    }
    std::optional<int> AskAsciiCode(MessageSink& /*messages*/) override {
        events.emplace_back("ascii code");
        return Next(asciiCodes, "ASCII code dialog", std::optional<int>{});
    }
    std::optional<std::string> AskScanCode() override {
        events.emplace_back("scan code");
        return Next(scanCodes, "scan code dialog", std::optional<std::string>{});
    }
    void ShowKeyWordList() override { events.emplace_back("key word list"); }

    std::deque<std::optional<CommPort>> ports;
    std::deque<std::optional<std::string>> openPaths;
    std::deque<std::optional<std::string>> savePaths;
    std::deque<bool> keyboardConfirmations;
    std::deque<std::optional<std::string>> textPaths;
    std::deque<std::optional<KbProperties>> kbAnswers;
    std::deque<std::optional<MrProperties>> mrAnswers;
    std::deque<std::optional<int>> delayTimes;
    std::deque<std::optional<int>> shiftLevels;
    std::deque<std::optional<int>> asciiCodes;
    std::deque<std::optional<std::string>> scanCodes;

    std::vector<std::string> events;
    std::vector<std::string> openFolders;
    std::vector<std::string> saveSuggestions;
    std::vector<std::string> textFolders;
    std::vector<KbProperties> kbShown;
    std::vector<MrProperties> mrShown;

private:
    template <typename T> static T Next(std::deque<T>& queue, const char* what, T cancelled) {
        if (queue.empty()) {
            ADD_FAILURE() << "unexpected " << what;
            return cancelled;
        }
        T answer = queue.front();
        queue.pop_front();
        return answer;
    }
};

} // namespace zelt::test
