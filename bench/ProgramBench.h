#pragma once

#include <functional>

// Runs the benchmarks named on the command line inside the program as it starts itself: from
// the program folder, with a store of its own in a temporary folder that goes with the run,
// on the offscreen platform unless QT_QPA_PLATFORM names another. `setUp` runs once the
// program's services exist, before the first benchmark.
int runProgramBenchmarks(int argc, char* argv[], const std::function<void()>& setUp);
