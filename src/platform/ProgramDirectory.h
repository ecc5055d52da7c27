#pragma once

#include "ProgramPaths.h"

#include <string>

// The folder of the running executable, with the platform's separators.
std::string programDirectory();

// A file in that folder (see joinProgramPath).
std::string programFile(const std::string& name);
