#include "ScriptedRandom.h"

#include <gtest/gtest.h>

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
    if (draws_.empty()) {
        ADD_FAILURE() << "Random(" << n << ") asked beyond the script";
        return 0;
    }
    const int value = draws_.front();
    draws_.pop_front();
    EXPECT_TRUE(value >= 0 && value < n) << "scripted draw " << value << " outside 0.." << n - 1;
    return value;
}
