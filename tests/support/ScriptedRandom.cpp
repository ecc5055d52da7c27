#include "ScriptedRandom.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// Ends the test program at once. A failure that is only recorded could leave the code under
// test drawing forever (a generator redraws until it likes a number), and an exception could
// be caught by that code; so the message goes out and the program aborts.
[[noreturn]] void stop(const std::string& message)
{
    const auto* test = testing::UnitTest::GetInstance()->current_test_info();
    const std::string where = test ? std::string(test->test_suite_name()) + "." + test->name() + ": " : "";
    std::fputs(("ScriptedRandom: " + where + message + "\n").c_str(), stderr);
    std::fflush(stderr);
    std::abort();
}

} // namespace

ScriptedRandom::ScriptedRandom(std::initializer_list<int> draws)
    : draws_(draws)
{
}

void ScriptedRandom::script(std::initializer_list<int> draws)
{
    draws_.insert(draws_.end(), draws);
}

int ScriptedRandom::Random(int n)
{
    ranges.push_back(n);
    const auto request = [&] { return "request " + std::to_string(ranges.size()) + ", Random(" + std::to_string(n) + ")"; };
    if (draws_.empty())
        stop(request() + ", asked beyond the script");
    const int value = draws_.front();
    draws_.pop_front();
    if (value < 0 || value >= n)
        stop(request() + ", the scripted draw " + std::to_string(value) + " lies outside 0.." + std::to_string(n - 1));
    return value;
}
