#include "CZELTDoc.h"
#include "KeyboardConnection.h"
#include "app/CZELTApp.h"
#include "app/CommandLine.h"
#include "app/QSettingsStore.h"
#include "app/RecentFiles.h"
#include "platform/LockKeys.h"
#include "seams/MessageBoxUserMessages.h"
#include "seams/WidgetCommandDialogs.h"
#include "shell/ApplicationStyle.h"
#include "shell/CMainFrame.h"
#include "view/CZELTView.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication::setOrganizationName(QString::fromLatin1(zelt::kSettingsOrganisation));
    QCoreApplication::setApplicationName(QString::fromLatin1(zelt::kSettingsApplication));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.1.2.1"));

    // The command line is read before the window system is reached, so that --help and usage
    // errors work without a display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    const zelt::CommandLineResult commandLine = zelt::ParseCommandLine(arguments);
    if (!commandLine.options) {
        std::fputs(commandLine.output.c_str(), commandLine.outputIsError ? stderr : stdout);
        return commandLine.exitCode;
    }
    const zelt::StartupOptions& options = *commandLine.options;

    QApplication application(argc, argv);
    QApplication::setStyle(new zelt::ApplicationStyle);

    zelt::QSettingsStore settings;
    zelt::SettingsRecentFiles recentFiles(settings.Settings());
    zelt::MessageBoxUserMessages messages;
    zelt::WidgetCommandDialogs widgetDialogs;
    std::unique_ptr<zelt::PresetPortDialogs> presetPort;
    zelt::CommandDialogs* dialogs = &widgetDialogs;
    if (options.port) {
        presetPort = std::make_unique<zelt::PresetPortDialogs>(widgetDialogs, *options.port);
        dialogs = presetPort.get();
    }

    zelt::CZELTApp app({settings, messages, *dialogs, recentFiles,
                        zelt::KeyboardConnection::ConnectFromEnvironment, zelt::QueryLockKeys,
                        zelt::CurrentDirectory()});
    if (options.exitAfterFirstPaint) {
        QObject::connect(&app.View(), &zelt::CZELTView::FirstPainted, &application,
                         [] { QTimer::singleShot(0, qApp, &QCoreApplication::quit); });
    }
    if (const std::optional<int> exitCode = app.InitInstance(options.templateFile)) {
        return *exitCode;
    }
    // From now on boxes and dialogs are centred on the main window.
    messages.SetParent(&app.MainFrame());
    widgetDialogs.SetParent(&app.MainFrame());
    return QApplication::exec();
}
