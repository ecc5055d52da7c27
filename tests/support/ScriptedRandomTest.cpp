#include "ScriptedRandom.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

#if GTEST_HAS_DEATH_TEST

namespace {

// Google Test starts a death test's child on Windows by the program's path in the ANSI code
// page; a path that code page cannot spell (an "Ü" under code page 932) starts nothing.
bool deathTestsCanStart()
{
#ifdef _WIN32
    std::wstring path(32768, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    BOOL lost = FALSE;
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, path.data(), static_cast<int>(path.size()), nullptr, 0,
                        nullptr, &lost);
    return !path.empty() && !lost;
#else
    return true;
#endif
}

} // namespace

// A draw the script cannot give ends the test program there and then: code that redraws until
// it likes a number would otherwise go on asking for ever.
TEST(ScriptedRandomDeathTest, ARequestTheScriptCannotAnswerEndsTheProgramAtOnce)
{
    if (!deathTestsCanStart())
        GTEST_SKIP() << "the ANSI code page cannot spell this program's path";
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
