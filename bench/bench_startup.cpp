// Start-up to the first painted main window: the editor (port answered by --port, the keyboard
// played by the simulator) against a bare Qt Widgets window, each a fresh process, offscreen.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
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

// The target's own comparison. Run one after the other, the figures of separate benchmarks drift
// with whatever else the machine does; taken in turns, the three programs share the same
// moments, and the medians' ratios say how much slower the editor starts than a bare window.
double Median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    const std::size_t middle = times.size() / 2;
    return times.size() % 2 != 0 ? times[middle] : (times[middle - 1] + times[middle]) / 2;
}

double MillisecondsToRun(const std::vector<std::string>& command) {
    const auto start = std::chrono::steady_clock::now();
    if (!RunToEnd(command)) {
        return -1;
    }
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

void BM_StartupEditorAgainstBareWindow(benchmark::State& state) {
    const std::vector<std::vector<std::string>> programs = {
        {ZELT_BIN_DIR "/startup_bare_window"},
        {ZELT_BIN_DIR "/zelt", "--port", "usb", "--exit-after-first-paint"},
        {ZELT_BIN_DIR "/zelt", "--port", "ps2", "--exit-after-first-paint"},
    };
    std::vector<std::vector<double>> times(programs.size());
    for (auto _ : state) {
        double round = 0;
        for (std::size_t p = 0; p < programs.size(); ++p) {
            const double ms = MillisecondsToRun(programs[p]);
            if (ms < 0) {
                state.SkipWithError("the program did not start and end cleanly");
                return;
            }
            times[p].push_back(ms);
            round += ms;
        }
        state.SetIterationTime(round / 1000);
    }
    const double bare = Median(times[0]);
    state.counters["bare_ms"] = bare;
    state.counters["usb_ms"] = Median(times[1]);
    state.counters["ps2_ms"] = Median(times[2]);
    state.counters["usb_ratio"] = Median(times[1]) / bare;
    state.counters["ps2_ratio"] = Median(times[2]) / bare;
}

BENCHMARK(BM_StartupBareQtWindow)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);
BENCHMARK(BM_StartupBareMainWindow)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);
BENCHMARK(BM_StartupEditorUsb)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);
BENCHMARK(BM_StartupEditorPs2)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);
BENCHMARK(BM_StartupEditorAgainstBareWindow)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(60);

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
