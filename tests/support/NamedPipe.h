#pragma once

#include <string>

// Makes a named pipe (a FIFO) at the path, for tests of readers that must not block on one.
// False where the file system has no such thing: Windows keeps its pipes outside it.
bool makeNamedPipe(const std::string& path);
