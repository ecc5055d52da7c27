// Runs the tests of the plain C++ core, which need no Qt: the same tests on Linux and, built
// with a Windows cross-compiler, under Wine.

#include "MemoryConfigStore.h"
#include "ProcessWide.h"

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    ::testing::InitGoogleTest(&argc, argv);
    // A test that reaches for the process's store finds one in memory, never the user's own.
    ProcessWide<ConfigStore>::install(std::make_unique<MemoryConfigStore>());
    return RUN_ALL_TESTS();
}
