#pragma once

#include <string>
#include <vector>

#include <sys/types.h>

// Runs a program as a child process with posix_spawn, rather than QProcess, which runs code of
// the threaded test process in the child and so upsets ThreadSanitizer.

// Starts the program with the arguments (the first is the program itself); -1 when it cannot.
pid_t startProgram(std::vector<std::string> arguments);

// Runs the program to its end; says whether it ended with exit code 0.
bool runProgram(std::vector<std::string> arguments);
