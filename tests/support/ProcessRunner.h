#pragma once

#include "TempDir.h"

#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace zelt::testing {

struct ProcessResult {
    int exitStatus = -1; // -1 when the process did not exit normally
    std::string out;
    std::string err;
};

// The null-terminated pointer list that posix_spawn takes for argv and envp. The pointers
// point into strings, which must outlive the list.
inline std::vector<char*> SpawnList(std::vector<std::string>& strings) {
    std::vector<char*> list;
    for (auto& s : strings) {
        list.push_back(s.data());
    }
    list.push_back(nullptr);
    return list;
}

// Runs a program with arguments and environment, its standard input read from stdinPath, and
// collects both output streams. The streams go through files, so a chatty program cannot block
// on a full pipe. waitFor(pid) waits for the started process and returns its wait status, or a
// negative number when there is none.
template <typename WaitFor>
ProcessResult RunCollectingOutput(const std::string& program, const std::vector<std::string>& args,
                                  const std::string& stdinPath, char* const* envp,
                                  WaitFor&& waitFor) {
    TempDir dir;
    const std::string outPath = dir / "stdout";
    const std::string errPath = dir / "stderr";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, stdinPath.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    std::vector<std::string> argvStrings{program};
    argvStrings.insert(argvStrings.end(), args.begin(), args.end());
    const std::vector<char*> argv = SpawnList(argvStrings);

    ProcessResult result;
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        result.err = "cannot start " + program;
        return result;
    }
    const int status = waitFor(pid);
    if (status >= 0 && WIFEXITED(status)) {
        result.exitStatus = WEXITSTATUS(status);
    }
    result.out = ReadText(outPath);
    result.err = ReadText(errPath);
    return result;
}

// Runs a program with arguments in this environment, optionally feeding stdinText, and
// collects its exit status and both output streams.
inline ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& args,
                                const std::string& stdinText = {}) {
    TempDir dir;
    const std::string inPath = dir / "stdin";
    WriteText(inPath, stdinText);
    return RunCollectingOutput(program, args, inPath, environ, [](pid_t pid) {
        int status = 0;
        while (waitpid(pid, &status, 0) < 0) {
        }
        return status;
    });
}

} // namespace zelt::testing
