// The libFuzzer entry of one fuzzing program; CALCORA_FUZZ_TARGET names its target.

#include "FuzzTargets.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const auto run = std::find_if(fuzzTargets().begin(), fuzzTargets().end(), [](const FuzzTarget& target) {
        return target.name == CALCORA_FUZZ_TARGET;
    })->run;
    run(data, size);
    return 0;
}
