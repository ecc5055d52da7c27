#include "Mastery.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace {

using Tries = std::vector<FactState::Try>;
constexpr FirstPress F = FirstPress::Fast, S = FirstPress::Slow, M = FirstPress::Missed;

// Tries from a fact never asked, and where they leave it: its mastery, box and due day.
TEST(Mastery, TriesGiveStateBoxAndDueDay)
{
    EXPECT_EQ(std::tuple(judgeFirstPress(false, 9, 30), judgeFirstPress(true, 30, 30), judgeFirstPress(true, 31, 30)), std::tuple(M, F, S));
    // A stored mark is one of the three, or the default: a number edited by hand is not a mark.
    EXPECT_EQ(std::tuple(fluencyMarkOf(1500), fluencyMarkOf(6000), fluencyMarkOf(2000), fluencyMarkOf(std::nullopt)),
              std::tuple(FluencyMark::Expert, FluencyMark::Starting, FluencyMark::Default, FluencyMark::Default));
    const std::tuple<Tries, Mastery, int, Day> rows[] = {
        {{}, Mastery::New, 0, 0},
        {{{F, 10}}, Mastery::Learning, 2, 11},
        {{{S, 10}, {F, 11}}, Mastery::Learning, 2, 12},
        {{{F, 10}, {F, 10}}, Mastery::Learning, 3, 13},
        {{{F, 10}, {F, 11}, {M, 12}}, Mastery::Fluent, 1, 12},
        {{{F, 10}, {F, 11}, {M, 12}, {S, 13}}, Mastery::Slipping, 1, 13},
        {{{F, 10}, {F, 11}, {M, 12}, {F, 13}, {F, 13}}, Mastery::Slipping, 3, 16},
        {{{F, 1}, {F, 2}, {F, 3}, {F, 4}, {F, 5}, {F, 6}}, Mastery::Fluent, 5, 27},
        {{{F, 1}, {F, 1}, {F, 1}, {F, 1}, {S, 2}}, Mastery::Slow, 5, 23},
    };
    for (const auto& [tries, mastery, box, due] : rows) {
        FactState state;
        for (const FactState::Try& attempt : tries)
            state = afterFirstPress(state, attempt.press, attempt.day);
        const auto n = static_cast<int>(tries.size());
        const std::string name = recentText(tries);
        EXPECT_EQ(std::tie(state.box, state.due, state.asked), std::tie(box, due, n)) << name;
        EXPECT_EQ(masteryOf(state), mastery) << name;
        EXPECT_EQ(state.rightFirst, n - std::count(name.begin(), name.end(), 'M')) << name;
        EXPECT_EQ(state.recent, Tries(tries.begin() + std::max(0, n - 3), tries.end())) << name;
    }
}

TEST(Mastery, RecentTriesReadBackAsFarAsTheyMakeSense)
{
    const Tries three{{F, 20431}, {S, 20432}, {M, 20433}};
    EXPECT_EQ(recentText(three), "F:20431 S:20432 M:20433");
    const std::pair<std::string_view, Tries> texts[] = {
        {"  F:20431\tS:20432   M:20433  ", three},
        {"F:20431 S:20432 M:20433 F:20434", three},
        {"", {}},
        {"F:1 X:2 M:3", {{F, 1}}},
        {"S:7 M:8x F:9", {{S, 7}}},
        {"F:99999999999", {}},
    };
    for (const auto& [text, tries] : texts)
        EXPECT_EQ(parseRecent(text), tries) << text;
}

} // namespace
