// Runs the tests of the plain C++ core, which need no Qt: the same tests on Linux and, built
// with a Windows cross-compiler, under Wine.

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
