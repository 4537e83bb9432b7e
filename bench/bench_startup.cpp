// Start-up to the first painted main window: the editor (port answered by --port, the keyboard
// played by the simulator) against a bare Qt Widgets window, each a fresh process, offscreen.

#include <benchmark/benchmark.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

std::string g_folder;
std::string g_hidSocket;
std::string g_portSocket;

pid_t Spawn(const std::vector<std::string>& command, int outFd = -1) {
    std::vector<char*> argv;
    for (const std::string& part : command) {
        argv.push_back(const_cast<char*>(part.c_str()));
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (outFd >= 0) {
        posix_spawn_file_actions_adddup2(&actions, outFd, STDOUT_FILENO);
    }
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", 0, 0);
    pid_t pid = -1;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
        pid = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

bool RunToEnd(const std::vector<std::string>& command) {
    const pid_t pid = Spawn(command);
    int status = 0;
    return pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

void Measure(benchmark::State& state, const std::vector<std::string>& command) {
    for (auto _ : state) {
        if (!RunToEnd(command)) {
            state.SkipWithError("the program did not start and end cleanly");
            return;
        }
    }
}

void BM_StartupBareQtWindow(benchmark::State& state) {
    Measure(state, {ZELT_BIN_DIR "/startup_bare_window"});
}

void BM_StartupBareMainWindow(benchmark::State& state) {
    Measure(state, {ZELT_BIN_DIR "/startup_bare_window", "--frame"});
}

void BM_StartupEditor(benchmark::State& state, const char* port) {
    Measure(state, {ZELT_BIN_DIR "/zelt", "--port", port, "--exit-after-first-paint"});
}

void BM_StartupEditorUsb(benchmark::State& state) {
    BM_StartupEditor(state, "usb");
}
void BM_StartupEditorPs2(benchmark::State& state) {
    BM_StartupEditor(state, "ps2");
}

BENCHMARK(BM_StartupBareQtWindow)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);
BENCHMARK(BM_StartupBareMainWindow)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);
BENCHMARK(BM_StartupEditorUsb)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);
BENCHMARK(BM_StartupEditorPs2)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);

} // namespace

int main(int argc, char** argv) {
    char folder[] = "/tmp/zelt-startup-XXXXXX";
    if (mkdtemp(folder) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    g_folder = folder;
    g_hidSocket = g_folder + "/hid.sock";
    g_portSocket = g_folder + "/port.sock";
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("ZELT_HID_SIM", g_hidSocket.c_str(), 1);
    setenv("ZELT_KBPORT", g_portSocket.c_str(), 1);
    setenv("XDG_CONFIG_HOME", g_folder.c_str(), 1);

    // The simulator says "ready" once both sockets listen.
    int ready[2];
    if (pipe(ready) != 0) {
        return 1;
    }
    const pid_t simulator = Spawn(
        {ZELT_BIN_DIR "/zelt-kbsim", "--hid-socket", g_hidSocket, "--kbport-socket", g_portSocket},
        ready[1]);
    close(ready[1]);
    char line[16] = {};
    if (simulator <= 0 || read(ready[0], line, sizeof line - 1) <= 0) {
        std::fprintf(stderr, "the keyboard simulator did not start\n");
        return 1;
    }
    close(ready[0]);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    kill(simulator, SIGTERM);
    waitpid(simulator, nullptr, 0);
    std::error_code ignored;
    std::filesystem::remove_all(g_folder, ignored);
    return 0;
}
