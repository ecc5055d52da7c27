#include "ChildProcess.h"

#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

pid_t startProgram(std::vector<std::string> arguments)
{
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return -1;
    return pid;
}

bool runProgram(std::vector<std::string> arguments)
{
    const pid_t pid = startProgram(std::move(arguments));
    int status = 0;
    return pid > 0 && ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
