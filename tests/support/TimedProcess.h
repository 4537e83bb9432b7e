#pragma once

// Child processes with deadlines, for tests that start the simulator and the command line: a
// process that hangs is killed and reported instead of hanging the suite.

#include "ProcessRunner.h"
#include "TempDir.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <map>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace zelt::testing {

// The current environment with some variables set (empty value: removed).
inline std::vector<std::string> EnvironmentWith(const std::map<std::string, std::string>& changes) {
    std::vector<std::string> result;
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string entry = *e;
        const std::string name = entry.substr(0, entry.find('='));
        if (changes.count(name) == 0) {
            result.push_back(entry);
        }
    }
    for (const auto& [name, value] : changes) {
        if (!value.empty()) {
            result.push_back(name + "=" + value);
        }
    }
    return result;
}

// Waits for pid until the deadline; kills it then. Returns the wait status, or -1 when killed.
inline int WaitWithDeadline(pid_t pid, std::chrono::milliseconds timeout, bool& timedOut) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    int status = 0;
    timedOut = false;
    for (;;) {
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid) {
            return status;
        }
        if (done < 0 && errno != EINTR) {
            return -1;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            timedOut = true;
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

struct TimedResult : ProcessResult {
    bool timedOut = false;
};

// Runs program to completion with an environment, killing it after timeout.
inline TimedResult RunWithDeadline(const std::string& program, const std::vector<std::string>& args,
                                   const std::vector<std::string>& environment,
                                   std::chrono::milliseconds timeout) {
    std::vector<std::string> envStrings = environment;
    const std::vector<char*> envp = SpawnList(envStrings);
    TimedResult result;
    static_cast<ProcessResult&>(result) =
        RunCollectingOutput(program, args, "/dev/null", envp.data(), [&](pid_t pid) {
            return WaitWithDeadline(pid, timeout, result.timedOut);
        });
    return result;
}

// A zelt-kbsim process for one test: sockets in a private temporary folder, started and
// waited for until it prints "ready", ended with SIGTERM (or killed when it does not end).
class KbsimProcess {
public:
    explicit KbsimProcess(std::string program) : program_(std::move(program)) {
        hidSocket = (dir_ / "hid.sock").string();
        kbportSocket = (dir_ / "kbport.sock").string();
        stderrPath_ = (dir_ / "kbsim.err").string();
    }
    ~KbsimProcess() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            int status = 0;
            ::waitpid(pid_, &status, 0);
        }
    }
    KbsimProcess(const KbsimProcess&) = delete;
    KbsimProcess& operator=(const KbsimProcess&) = delete;

    // Starts the simulator with the socket options and extra arguments; true once it is ready.
    bool Start(const std::vector<std::string>& extraArgs = {},
               std::chrono::milliseconds timeout = std::chrono::seconds(10)) {
        int pipeFds[2];
        if (::pipe(pipeFds) != 0) {
            return false;
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 1);
        posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
        posix_spawn_file_actions_addclose(&actions, pipeFds[1]);
        posix_spawn_file_actions_addopen(&actions, 2, stderrPath_.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0600);
        std::vector<std::string> argvStrings{program_, "--hid-socket", hidSocket, "--kbport-socket",
                                             kbportSocket};
        argvStrings.insert(argvStrings.end(), extraArgs.begin(), extraArgs.end());
        const std::vector<char*> argv = SpawnList(argvStrings);
        const int spawned =
            posix_spawn(&pid_, program_.c_str(), &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        ::close(pipeFds[1]);
        if (spawned != 0) {
            pid_ = -1;
            ::close(pipeFds[0]);
            return false;
        }
        std::string seen;
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        while (seen.find("ready\n") == std::string::npos) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            pollfd fd{pipeFds[0], POLLIN, 0};
            if (left.count() <= 0 || ::poll(&fd, 1, static_cast<int>(left.count())) <= 0) {
                break;
            }
            char chunk[256];
            const ssize_t got = ::read(pipeFds[0], chunk, sizeof(chunk));
            if (got <= 0) {
                break;
            }
            seen.append(chunk, static_cast<std::size_t>(got));
        }
        ::close(pipeFds[0]);
        return seen.find("ready\n") != std::string::npos;
    }

    // SIGTERM and wait; the exit status, or -1 when it had to be killed or did not exit.
    int Stop(std::chrono::milliseconds timeout = std::chrono::seconds(10)) {
        if (pid_ <= 0) {
            return -1;
        }
        ::kill(pid_, SIGTERM);
        bool timedOut = false;
        const int status = WaitWithDeadline(pid_, timeout, timedOut);
        pid_ = -1;
        return status >= 0 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    // Ends the simulator at once, as a crash would.
    void Kill() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            int status = 0;
            ::waitpid(pid_, &status, 0);
            pid_ = -1;
        }
    }

    // Sends a signal (SIGSTOP makes it stop answering, SIGCONT lets it go on).
    void Signal(int signal) {
        if (pid_ > 0) {
            ::kill(pid_, signal);
        }
    }

    bool Running() const { return pid_ > 0 && ::kill(pid_, 0) == 0; }
    std::string Stderr() const { return ReadText(stderrPath_); }
    const TempDir& Dir() const { return dir_; }

    std::string hidSocket;
    std::string kbportSocket;

private:
    std::string program_;
    TempDir dir_;
    std::string stderrPath_;
    pid_t pid_ = -1;
};

} // namespace zelt::testing
