#include "Facts.h"
#include "QuestionGenerator.h"
#include "RandomSource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace {

// The facts are exactly the questions the generator asks at level 1, in order, with the same
// texts and right answers: 4000 seeded questions meet each of at most 81 pairs.
TEST(LevelOneFacts, AreTheGeneratorsLevelOneQuestionsAndNoOthers)
{
    SeededRandom random(7);
    const std::size_t counts[] = {81, 36, 81, 23};
    for (int operation = Addition; operation <= Division; ++operation) {
        std::map<std::string, std::string> asked, facts;
        for (int i = 0; i < 4000; ++i) {
            const TQuestion question = generateQuestion(operation, 1, random);
            asked[question.Text] = question.RightAnswer;
        }
        const std::vector<Fact> all = levelOneFacts(operation);
        for (const Fact& fact : all)
            facts[factText(fact) + " = ?"] = std::to_string(factAnswer(fact));
        EXPECT_EQ(asked, facts) << operation;
        EXPECT_EQ(all.size(), counts[operation - 1]) << operation;
        EXPECT_TRUE(std::is_sorted(all.begin(), all.end())) << operation;
        // Pairs at the edges are facts exactly when the generator asks them.
        for (const Fact fact : {Fact{operation, 0, 5}, {operation, 10, 1}, {operation, 9, -9}, {operation, 5, 5},
                                {operation, 2, 4}, {operation, 7, 2}})
            EXPECT_EQ(isLevelOneFact(fact), asked.contains(factText(fact) + " = ?")) << factText(fact);
    }
    EXPECT_FALSE(isLevelOneFact({5, 1, 1}) || isLevelOneFact({0, 1, 1}) || !levelOneFacts(5).empty());
}

} // namespace
