#include "ScriptedRandom.h"

#include <gtest/gtest.h>

#include <functional>

#if GTEST_HAS_DEATH_TEST

// A draw the script cannot give ends the test program there and then: code that redraws until
// it likes a number would otherwise go on asking for ever.
TEST(ScriptedRandomDeathTest, ARequestTheScriptCannotAnswerEndsTheProgramAtOnce)
{
    const struct {
        std::function<void()> draws;
        const char* message; // a pattern that holds on every platform: "." for a parenthesis
    } cases[] = {
        {[] { ScriptedRandom{}.Random(9); }, "request 1, Random.9., asked beyond the script"},
        {[] { ScriptedRandom random{3}; random.Random(4); random.Random(4); }, "request 2, Random.4., asked beyond"},
        {[] { ScriptedRandom{4}.Random(4); }, "request 1, Random.4., the scripted draw 4 lies outside 0..3"},
        {[] { ScriptedRandom{-1}.Random(4); }, "the scripted draw -1 lies outside 0..3"},
    };
    for (const auto& c : cases)
        EXPECT_DEATH(c.draws(), c.message);
}

#endif
