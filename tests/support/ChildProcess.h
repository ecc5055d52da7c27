#pragma once

#include <string>
#include <vector>

#include <sys/types.h>

// Runs a program as a child process with posix_spawn, rather than QProcess, which runs code of
// the threaded test process in the child and so upsets ThreadSanitizer.

// Starts the program with the arguments (the first is the program itself); -1 when it cannot.
// With `output`, its standard output and error are added to that file.
pid_t startProgram(std::vector<std::string> arguments, const std::string& output = {});

// Runs the program to its end; says whether it ended with exit code 0. With `output`, what the
// program writes (its standard output and error) is added to that file instead.
bool runProgram(std::vector<std::string> arguments, const std::string& output = {});
