#include "ScopedService.h"
#include "ScriptedRandom.h"
#include "Unit1.h"

#include <gtest/gtest.h>

namespace {

TEST(QuestionDraws, TheMainWindowAsksTheProcessSource)
{
    ScopedService<RandomSource, ScriptedRandom> random;
    random->script({2, 4, 1, 0, 0, 3, 3, 5, 0, 8, 8, 0, 1, 2, 2});
    EXPECT_EQ(TForm1::Generate(Addition, 1).Text, "3 + 5 = ?");
    EXPECT_TRUE(random->exhausted());
}

} // namespace
