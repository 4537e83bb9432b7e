#include "app/CZELTApp.h"

#include "ModelLayout.h"
#include "TextTemplateFile.h"
#include "commands/KeyEditCommandBindings.h"
#include "commands/PropertyCommands.h"
#include "commands/TransferCommands.h"
#include "keytest/CKeyCodeOutView.h"
#include "shell/CMainFrame.h"
#include "shell/CommandIds.h"
#include "view/CZELTView.h"

#include <QString>

#include <filesystem>
#include <system_error>

namespace zelt {

namespace {

// A name relative to the start folder, made whole: the document saves to it and the recent-file
// list keeps it long after the program has been started elsewhere. Only "." parts are dropped;
// ".." stays for the system to resolve, since it may follow a symbolic link.
std::string FullPath(const std::string& name) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(name, error);
    if (error) {
        return name;
    }
    std::filesystem::path whole;
    for (const std::filesystem::path& part : absolute) {
        if (part != ".") {
            whole /= part;
        }
    }
    return whole.string();
}

} // namespace

CZELTApp::CZELTApp(AppEnvironment environment)
    : env_(std::move(environment)), document_(env_.settings, env_.workingDirectory),
      documentForView_(document_), frame_(std::make_unique<CMainFrame>(commands_, env_.lockKeys)),
      documentCommands_(document_, env_.messages, env_.dialogs, env_.recentFiles) {
    view_ = new CZELTView(documentForView_, env_.messages, frame_.get());
    view_->SetLockKeys(env_.lockKeys);
    frame_->setCentralWidget(view_);
    frame_->SetCloseGuard([this] { return documentCommands_.SaveModified(); });
    QObject::connect(&commands_, &CommandSet::CommandFinished, frame_.get(),
                     [this] { RefreshFrame(); });
    QObject::connect(view_, &CZELTView::StateChanged, &commands_, &CommandSet::UpdateStates);
    BindCommands();
}

CZELTApp::~CZELTApp() = default;

std::optional<int> CZELTApp::InitInstance(const std::optional<std::string>& templateFile) {
    if (templateFile) {
        const std::string path = FullPath(*templateFile);
        // The file was named by the user; a file that cannot be opened ends the program after
        // its message rather than silently showing something else.
        if (!document_.OnOpenDocument(path, env_.messages)) {
            return kExitCommandLineFailed;
        }
        env_.recentFiles.Add(path);
    } else {
        document_.OnNewDocument();
    }
    if (!InitialUpdate()) {
        return 0;
    }
    RefreshFrame();
    frame_->showMaximized();
    return std::nullopt;
}

bool CZELTApp::InitialUpdate() {
    view_->InitialUpdate();
    KeyboardPort& port = view_->Port();
    if (!port.Chosen()) {
        if (!port.ChooseAtStartUp(env_.dialogs, env_.messages, env_.connectKeyboard)) {
            return false;
        }
        view_->Controller().State().portName = port.PortName();
        view_->RedrawAll();
    }
    return true;
}

void CZELTApp::BindCommands() {
    const auto replaced = [this](bool done) {
        if (done) {
            InitialUpdate();
        }
    };
    commands_.Bind(cmd::kNew,
                   {[this, replaced] { replaced(documentCommands_.FileNew()); }, {}, {}});
    commands_.Bind(cmd::kLoad,
                   {[this, replaced] { replaced(documentCommands_.FileOpen()); }, {}, {}});
    commands_.Bind(cmd::kSave, {[this] { documentCommands_.FileSave(); }, {}, {}});
    commands_.Bind(cmd::kSaveAs, {[this] { documentCommands_.FileSaveAs(); }, {}, {}});
    commands_.Bind(cmd::kExit, {[this] { frame_->close(); }, {}, {}});
    commands_.Bind(cmd::kAbout, {[this] { env_.dialogs.ShowAbout(); }, {}, {}});
    commands_.Bind(cmd::kKeyWordList, {[this] { env_.dialogs.ShowKeyWordList(); }, {}, {}});
    for (const CatalogueModel& model : CatalogueModels()) {
        BindModelCommand(model.menuCommandId, model.modelCode);
    }
    BindTextTemplateCommands();
    BindPropertyCommands();
    BindKeyboardCommands();
    BindKeyEditCommands(commands_, *view_, env_.dialogs, env_.messages);
}

void CZELTApp::BindTextTemplateCommands() {
    // Imports change labels and contents behind the view's back: it repaints them all.
    commands_.Bind(cmd::kLoadDefault, {[this] {
                                           LoadDefaultTextData(document_, env_.messages);
                                           view_->RedrawAll();
                                       },
                                       {},
                                       {}});
    commands_.Bind(cmd::kImportText, {[this] {
                                          const auto path = env_.dialogs.GetTextTemplatePath(
                                              TextFileAction::Import, document_.WorkingDirectory());
                                          if (path) {
                                              ImportTextData(document_, *path, env_.messages);
                                              view_->RedrawAll();
                                          }
                                      },
                                      {},
                                      {}});
    commands_.Bind(cmd::kExportText, {[this] {
                                          const auto path = env_.dialogs.GetTextTemplatePath(
                                              TextFileAction::Export, document_.WorkingDirectory());
                                          if (path) {
                                              ExportTextData(document_, *path, env_.messages);
                                          }
                                      },
                                      {},
                                      {}});
}

void CZELTApp::BindPropertyCommands() {
    commands_.Bind(cmd::kKbProperties,
                   {[this] {
                        const KeyboardConnection* connection = view_->Port().Connection();
                        const CommPort port =
                            connection != nullptr && connection->Kind() == PortKind::Usb
                                ? CommPort::Usb
                                : CommPort::Ps2;
                        if (RunKbPropertiesCommand(document_, port, env_.dialogs)) {
                            ViewState& state = view_->Controller().State();
                            state.caretIndex = 0;
                            state.caretColumn = 0;
                            state.decimalCaretIndex = 0;
                            view_->RedrawStatusArea();
                        }
                    },
                    {},
                    {}});
    commands_.Bind(cmd::kMrProperties,
                   {[this] { RunMrPropertiesCommand(document_, env_.dialogs, env_.messages); },
                    [this] { return document_.MrSupport() == 1; },
                    {}});
}

void CZELTApp::BindKeyboardCommands() {
    commands_.Bind(cmd::kReadFromKb,
                   {[this] { RunReadFromKeyboard(document_, *view_, env_.messages); }, {}, {}});
    commands_.Bind(cmd::kWriteIntoKb,
                   {[this] { RunWriteIntoKeyboard(document_, *view_, env_.messages); }, {}, {}});
    commands_.Bind(cmd::kKeyboardOutput, {[this] {
                                              if (CKeyCodeOutView* test = view_->KeyCodeOut()) {
                                                  test->Open(*view_);
                                              }
                                          },
                                          {},
                                          {}});
}

void CZELTApp::BindModelCommand(int commandId, int modelCode) {
    // Asked also for the model already in use: choosing it again starts an empty template.
    commands_.Bind(commandId, {[this, modelCode] {
                                   if (!env_.dialogs.ConfirmSelectKeyboard()) {
                                       return;
                                   }
                                   document_.ChangeModel(modelCode);
                                   view_->Controller().ModelChanged();
                                   view_->RedrawAll();
                               },
                               {},
                               [this, modelCode] { return document_.modelCode == modelCode; }});
}

void CZELTApp::RefreshFrame() {
    frame_->SetDocumentTitle(QString::fromLocal8Bit(document_.Title().c_str()));
    commands_.UpdateStates();
}

} // namespace zelt
