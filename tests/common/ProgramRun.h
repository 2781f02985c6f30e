#pragma once

#include "FileText.h"
#include "TempFolder.h"

#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

// Runs a program to its end with the given arguments, environment and standard input, and
// keeps its exit status and what it wrote.
struct ProgramRun {
    int status = -1; // -1 when it could not start or did not exit normally
    std::string out;
    std::string err;

    static ProgramRun run(const std::string& program, const std::vector<std::string>& args,
                          const std::vector<std::string>& environment,
                          const std::string& input = {})
    {
        ProgramRun result;
        TempFolder io;
        const std::string inPath = io.path() + "/in", outPath = io.path() + "/out",
                          errPath = io.path() + "/err";
        std::ofstream(inPath, std::ios::binary) << input;

        std::vector<char*> argv{const_cast<char*>(program.c_str())};
        for (const std::string& arg : args)
            argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        std::vector<char*> envp;
        for (const std::string& entry : environment)
            envp.push_back(const_cast<char*>(entry.c_str()));
        envp.push_back(nullptr);

        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 0, inPath.c_str(), O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0600);
        posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0600);
        pid_t pid = 0;
        const int spawned =
            posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data());
        posix_spawn_file_actions_destroy(&actions);
        if (spawned != 0) {
            result.err = "cannot start " + program + ": " + std::strerror(spawned);
            return result;
        }
        int status = 0;
        if (::waitpid(pid, &status, 0) == pid && WIFEXITED(status))
            result.status = WEXITSTATUS(status);
        result.out = readWholeFile(outPath);
        result.err += readWholeFile(errPath);
        return result;
    }

    // This process's environment without the entries that start with one of dropPrefixes.
    static std::vector<std::string>
    inheritedEnvironment(const std::vector<std::string>& dropPrefixes = {})
    {
        std::vector<std::string> environment;
        for (char** e = environ; *e; ++e) {
            const std::string entry = *e;
            bool dropped = false;
            for (const std::string& prefix : dropPrefixes)
                dropped = dropped || entry.rfind(prefix, 0) == 0;
            if (!dropped)
                environment.push_back(entry);
        }
        return environment;
    }
};
