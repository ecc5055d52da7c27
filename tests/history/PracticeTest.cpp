#include "Practice.h"
#include "Question.h"
#include "ScriptedRandom.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <tuple>

namespace {

constexpr FirstPress F = FirstPress::Fast, S = FirstPress::Slow, M = FirstPress::Missed;

// The questions missed, and what is asked: the missed one whose turn it is, else a new one.
TEST(ComeBack, AMissReturnsAfterTwoOthersThenAfterFiveAndStartsOverWhenMissedAgain)
{
    const std::pair<std::set<int>, std::vector<int>> rows[] = {
        {{0, 9}, {0, 1, 2, 0, 3, 4, 5, 6, 7, 0, 8, 9, 0, 10, 11, 12, 13, 14, 0, 15}},
        {{0, 6}, {0, 1, 2, 0, 3, 4, 5, 6, 7, 0, 5, 8, 9, 10, 11, 12, 5, 13}}, // the later one waits
    };
    for (const auto& [missed, expected] : rows) {
        ComeBack<int> comeBack;
        std::vector<int> asked;
        for (int fresh = 0; asked.size() < expected.size(); fresh += asked.back() == fresh) {
            asked.push_back(comeBack.next().value_or(fresh));
            comeBack.answered(asked.back(), !missed.contains(static_cast<int>(asked.size()) - 1));
        }
        EXPECT_EQ(asked, expected) << expected.size();
    }
}

FactState boxDue(int box, Day due) { return {box, due, 0, 0, {}, false}; }

// Division's facts known and due in five days (today is 100) but those given and `fresh` new ones.
std::map<Fact, FactState> division(std::map<Fact, FactState> given, int fresh = 0)
{
    for (const Fact& fact : levelOneFacts(Division))
        given.try_emplace(fact, boxDue(fresh-- > 0 ? 0 : 3, 105));
    return given;
}

// The first two choices, the first answered slowly: its box kept, but never asked twice in a row.
TEST(WeakFactPractice, TheLowestBoxThenTheLongestDueThenAnyButTheLast)
{
    std::tuple<std::map<Fact, FactState>, ScriptedRandom, std::vector<int>, Fact, Fact> rows[] = {
        {division({{{4, 8, 4}, boxDue(2, 99)}, {{4, 6, 2}, boxDue(2, 98)}, {{4, 9, 3}, boxDue(4, 90)}}), ScriptedRandom{}, {}, {4, 6, 2}, {4, 8, 4}},
        {division({}), ScriptedRandom{5, 5}, {23, 22}, {4, 4, 1}, {4, 4, 2}},  // nothing due: any fact
        {division({}, 3), ScriptedRandom{0, 1}, {2, 2}, {4, 2, 1}, {4, 1, 1}}, // two of the three new ones enter
    };
    for (auto& [states, random, ranges, first, second] : rows) {
        WeakFactPractice practice(Division, states, 100);
        EXPECT_EQ(practice.next(random), first) << factText(first);
        practice.answered(first, S);
        EXPECT_EQ(practice.next(random), second) << factText(first);
        EXPECT_EQ(random.ranges, ranges) << factText(first);
    }
}

TEST(WeakFactPractice, NewFactsComeAmongKnownOnesAndAMissComesBack)
{
    WeakFactPractice practice(Multiplication, {{{3, 9, 8}, boxDue(3, 98)}, {{3, 9, 9}, boxDue(2, 99)}}, 100);
    ScriptedRandom random{0, 0, 2, 0};
    const std::pair<Fact, FirstPress> session[] = {
        {{3, 1, 1}, M}, {{3, 9, 9}, F}, {{3, 1, 2}, F}, {{3, 1, 1}, S}, {{3, 9, 8}, F}, {{3, 1, 3}, F}};
    for (const auto& [fact, press] : session) {
        ASSERT_EQ(practice.next(random), fact) << factText(fact);
        practice.answered(fact, press);
    }
    EXPECT_EQ(random.ranges, (std::vector<int>{3, 2, 3, 4}));
    EXPECT_EQ(practice.states().at({3, 1, 1}), (FactState{1, 100, 2, 1, {{M, 100}, {S, 100}}, false}));
}

} // namespace
