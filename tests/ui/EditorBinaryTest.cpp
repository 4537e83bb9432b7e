// Runs the real editor program: its command line, and start-ups against the keyboard simulator
// with the port answered by --port.

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

constexpr int kTimeoutMs = 30000;

struct ProcessRun {
    int exitCode = -1;
    bool finished = false;
    QString output;
    QString errors;
};

ProcessRun RunEditor(const QStringList& arguments, const QProcessEnvironment& environment) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(ZELT_EDITOR_PATH), arguments);
    ProcessRun run;
    run.finished = process.waitForFinished(kTimeoutMs);
    if (!run.finished) {
        process.kill();
        process.waitForFinished();
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.output = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.errors = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

QProcessEnvironment Offscreen() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return environment;
}

TEST(EditorBinary, HelpNamesThePortOptionWithoutNeedingADisplay) {
    QProcessEnvironment environment = Offscreen();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.remove(QStringLiteral("DISPLAY"));
    const ProcessRun run = RunEditor({QStringLiteral("--help")}, environment);
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.output.contains(QStringLiteral("--port <usb|ps2>")));
}

TEST(EditorBinary, WrongPortIsAUsageError) {
    const ProcessRun run =
        RunEditor({QStringLiteral("--port"), QStringLiteral("com1")}, Offscreen());
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.errors.contains(QStringLiteral("com1")));
}

class EditorWithSimulator : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        hidSocket = folder.filePath(QStringLiteral("hid.sock"));
        portSocket = folder.filePath(QStringLiteral("port.sock"));
        simulator.start(QStringLiteral(ZELT_KBSIM_PATH),
                        {QStringLiteral("--hid-socket"), hidSocket,
                         QStringLiteral("--kbport-socket"), portSocket});
        ASSERT_TRUE(simulator.waitForStarted(kTimeoutMs));
        ASSERT_TRUE(simulator.waitForReadyRead(kTimeoutMs));
        ASSERT_TRUE(simulator.readLine().startsWith("ready"));
    }
    void TearDown() override {
        simulator.terminate();
        if (!simulator.waitForFinished(kTimeoutMs)) {
            simulator.kill();
            simulator.waitForFinished();
        }
    }

    QProcessEnvironment Environment() const {
        QProcessEnvironment environment = Offscreen();
        environment.insert(QStringLiteral("ZELT_HID_SIM"), hidSocket);
        environment.insert(QStringLiteral("ZELT_KBPORT"), portSocket);
        // The test must not leave its model choice in the user's settings.
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                           folder.filePath(QStringLiteral("config")));
        return environment;
    }

    QTemporaryDir folder;
    QString hidSocket;
    QString portSocket;
    QProcess simulator;
};

TEST_F(EditorWithSimulator, StartsOnEitherPortAndPaintsItsWindow) {
    for (const QString& port : {QStringLiteral("usb"), QStringLiteral("ps2")}) {
        const ProcessRun run =
            RunEditor({QStringLiteral("--port"), port, QStringLiteral("--exit-after-first-paint")},
                      Environment());
        ASSERT_TRUE(run.finished) << port.toStdString();
        EXPECT_EQ(run.exitCode, 0) << port.toStdString() << run.errors.toStdString();
    }
}

} // namespace
