#include "app/CommandLine.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>

namespace zelt {

namespace {

constexpr int kUsageError = 2;

// The help text names the program even when it is read before the application exists.
std::string HelpText(const QCommandLineParser& parser) {
    QString text = parser.helpText();
    text.replace(QRegularExpression(QStringLiteral("^Usage: \\S+")), QStringLiteral("Usage: zelt"));
    return text.toStdString();
}

CommandLineResult Failure(const QString& message, const QCommandLineParser& parser) {
    CommandLineResult result;
    result.exitCode = kUsageError;
    result.outputIsError = true;
    result.output = message.toStdString() + "\n" + HelpText(parser);
    return result;
}

} // namespace

CommandLineResult ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "ZELT keyboard editor: edits the templates of programmable point-of-sale keyboards and\n"
        "reads them from or writes them into the keyboard over USB or the PS/2 port."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays this help."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption port(
        QStringLiteral("port"),
        QStringLiteral("Answer the start-up question for the keyboard's port in advance: 'usb' "
                       "or 'ps2'. Useful for kiosks and scripted starts; without it the editor "
                       "asks."),
        QStringLiteral("usb|ps2"));
    parser.addOption(port);
    QCommandLineOption exitAfterPaint(QStringLiteral("exit-after-first-paint"),
                                      QStringLiteral("End as soon as the window is painted."));
    exitAfterPaint.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(exitAfterPaint);
    parser.addPositionalArgument(
        QStringLiteral("file"),
        QStringLiteral("Template file to open (optional; a new template otherwise)."),
        QStringLiteral("[file]"));

    if (!parser.parse(arguments)) {
        return Failure(parser.errorText(), parser);
    }
    if (parser.isSet(help)) {
        return {std::nullopt, 0, HelpText(parser), false};
    }
    if (parser.isSet(version)) {
        return {std::nullopt, 0,
                (QCoreApplication::applicationName() + QLatin1Char(' ') +
                 QCoreApplication::applicationVersion() + QLatin1Char('\n'))
                    .toStdString(),
                false};
    }

    StartupOptions options;
    if (parser.isSet(port)) {
        const QString value = parser.value(port).toLower();
        if (value == QStringLiteral("usb")) {
            options.port = CommPort::Usb;
        } else if (value == QStringLiteral("ps2") || value == QStringLiteral("ps/2")) {
            options.port = CommPort::Ps2;
        } else {
            return Failure(
                QStringLiteral("Unknown port '%1': use usb or ps2.").arg(parser.value(port)),
                parser);
        }
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        return Failure(QStringLiteral("Only one template file can be opened."), parser);
    }
    if (!files.isEmpty()) {
        options.templateFile = QFile::encodeName(files.front()).toStdString();
    }
    options.exitAfterFirstPaint = parser.isSet(exitAfterPaint);
    CommandLineResult result;
    result.options = options;
    return result;
}

} // namespace zelt
