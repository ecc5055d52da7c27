#pragma once

#include <functional>

struct ProgramServices;

// Runs the benchmarks named on the command line inside the program as it starts itself: from
// the program folder, with the program's own services and a store of its own in a temporary
// folder that goes with the run, on the offscreen platform unless QT_QPA_PLATFORM names
// another. `registerBenchmarks` gets the services once they exist, before the first benchmark.
int runProgramBenchmarks(int argc, char* argv[], const std::function<void(const ProgramServices&)>& registerBenchmarks);
