#pragma once

#include "FakeKeyboardConnector.h"
#include "ScriptedCommandDialogs.h"
#include "ScriptedUserMessages.h"
#include "SettingsStore.h"
#include "app/CZELTApp.h"
#include "app/RecentFiles.h"
#include "platform/LockKeys.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace zelt::test {

// The whole editor on seams the test answers: settings, recent files and messages in memory,
// scripted dialogs, a fake keyboard connection, lock keys the test sets, and a temporary
// working folder.
class EditorTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    // The application, made on first use and not started yet.
    CZELTApp& App() {
        if (!app) {
            app = std::make_unique<CZELTApp>(
                AppEnvironment{settings, messages, dialogs, recent, keyboard.Connector(),
                               [this] { return locks; }, folder.path().toStdString()});
        }
        return *app;
    }

    // Starts the editor with the port question answered by port; fails the test when the
    // program would end instead.
    void StartWith(CommPort port) {
        dialogs.ports = {port};
        ASSERT_EQ(App().InitInstance(std::nullopt), std::nullopt);
    }

    QTemporaryDir folder;
    MemorySettingsStore settings;
    ScriptedUserMessages messages;
    ScriptedCommandDialogs dialogs;
    MemoryRecentFiles recent;
    FakeKeyboardConnector keyboard;
    LockKeys locks;
    std::unique_ptr<CZELTApp> app;
};

} // namespace zelt::test
