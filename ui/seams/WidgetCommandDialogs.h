#pragma once

#include "seams/CommandDialogs.h"

#include <QPointer>
#include <QWidget>

namespace zelt {

// The real dialogs, modal to the main window once it exists.
class WidgetCommandDialogs final : public CommandDialogs {
public:
    void SetParent(QWidget* parent) { parent_ = parent; }

    std::optional<CommPort> ChoosePort() override;
    std::optional<std::string> GetOpenTemplatePath(const std::string& startDirectory) override;
    std::optional<std::string> GetSaveTemplatePath(const std::string& suggestedPath) override;
    bool ConfirmSelectKeyboard() override;
    void ShowAbout() override;
    std::optional<std::string> GetTextTemplatePath(TextFileAction action,
                                                   const std::string& startDirectory) override;
    std::optional<KbProperties> EditKbProperties(const KbProperties& values) override;
    std::optional<MrProperties> EditMrProperties(const MrProperties& values,
                                                 MessageSink& messages) override;
    std::optional<int> AskDelayTime(MessageSink& messages) override;
    std::optional<int> AskShiftLevel(MessageSink& messages) override;
    std::optional<int> AskAsciiCode(MessageSink& messages) override;
    std::optional<std::string> AskScanCode() override;
    void ShowKeyWordList() override;

private:
    QPointer<QWidget> parent_;
};

// Answers the port question from the command line and leaves every other dialog to the
// wrapped implementation; kiosks and scripts start without the port dialog.
class PresetPortDialogs final : public CommandDialogs {
public:
    PresetPortDialogs(CommandDialogs& inner, CommPort port) : inner_(inner), port_(port) {}

    std::optional<CommPort> ChoosePort() override { return port_; }
    std::optional<std::string> GetOpenTemplatePath(const std::string& startDirectory) override {
        return inner_.GetOpenTemplatePath(startDirectory);
    }
    std::optional<std::string> GetSaveTemplatePath(const std::string& suggestedPath) override {
        return inner_.GetSaveTemplatePath(suggestedPath);
    }
    bool ConfirmSelectKeyboard() override { return inner_.ConfirmSelectKeyboard(); }
    void ShowAbout() override { inner_.ShowAbout(); }
    std::optional<std::string> GetTextTemplatePath(TextFileAction action,
                                                   const std::string& startDirectory) override {
        return inner_.GetTextTemplatePath(action, startDirectory);
    }
    std::optional<KbProperties> EditKbProperties(const KbProperties& values) override {
        return inner_.EditKbProperties(values);
    }
    std::optional<MrProperties> EditMrProperties(const MrProperties& values,
                                                 MessageSink& messages) override {
        return inner_.EditMrProperties(values, messages);
    }
    std::optional<int> AskDelayTime(MessageSink& messages) override {
        return inner_.AskDelayTime(messages);
    }
    std::optional<int> AskShiftLevel(MessageSink& messages) override {
        return inner_.AskShiftLevel(messages);
    }
    std::optional<int> AskAsciiCode(MessageSink& messages) override {
        return inner_.AskAsciiCode(messages);
    }
    std::optional<std::string> AskScanCode() override { return inner_.AskScanCode(); }
    void ShowKeyWordList() override { inner_.ShowKeyWordList(); }

private:
    CommandDialogs& inner_;
    CommPort port_;
};

} // namespace zelt
