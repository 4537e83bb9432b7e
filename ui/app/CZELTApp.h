#pragma once

#include "CZELTDoc.h"
#include "app/DocumentCommands.h"
#include "app/DocumentForView.h"
#include "app/RecentFiles.h"
#include "platform/LockKeys.h"
#include "seams/CommandDialogs.h"
#include "seams/UserMessages.h"
#include "shell/CommandSet.h"
#include "transfer/KeyboardPort.h"

#include <memory>
#include <optional>
#include <string>

namespace zelt {

class CMainFrame;
class CZELTView;

// Exit status when the template file named on the command line cannot be opened.
inline constexpr int kExitCommandLineFailed = 1;

// Everything the application reaches the platform through; real in the program, scripted or
// in memory in tests.
struct AppEnvironment {
    SettingsStore& settings;
    UserMessages& messages;
    CommandDialogs& dialogs;
    RecentFiles& recentFiles;
    KeyboardConnector connectKeyboard;
    LockKeyProvider lockKeys;
    // The folder the program was started in; default text templates are looked for there.
    std::string workingDirectory;
};

// The application: one document, one main window with its editor view, and the commands that
// tie them together.
class CZELTApp {
public:
    explicit CZELTApp(AppEnvironment environment);
    ~CZELTApp();
    CZELTApp(const CZELTApp&) = delete;
    CZELTApp& operator=(const CZELTApp&) = delete;

    // Starts up: the document from the command line (a new template, or the named file), the
    // view's first initial update with the port question and the transport, then the main
    // window shown maximized. Returns the exit status when the program must end instead.
    std::optional<int> InitInstance(const std::optional<std::string>& templateFile);

    CZELTDoc& Document() { return document_; }
    CMainFrame& MainFrame() { return *frame_; }
    CZELTView& View() { return *view_; }
    CommandSet& Commands() { return commands_; }

private:
    // Starts the view over on a new or loaded template; the first time also chooses the port.
    // False when the program must end.
    bool InitialUpdate();
    void BindCommands();
    void BindModelCommand(int commandId, int modelCode);
    void BindTextTemplateCommands();
    void BindPropertyCommands();
    void BindKeyboardCommands();
    void RefreshFrame();

    AppEnvironment env_;
    CZELTDoc document_;
    DocumentForView documentForView_;
    CommandSet commands_;
    std::unique_ptr<CMainFrame> frame_;
    CZELTView* view_ = nullptr;
    DocumentCommands documentCommands_;
};

} // namespace zelt
