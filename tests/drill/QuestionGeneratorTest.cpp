#include "QuestionGenerator.h"
#include "ScriptedRandom.h"

#include <gtest/gtest.h>

namespace {

using Choices = std::array<std::string, 4>;

std::vector<int> repeated(int range, std::size_t count)
{
    return std::vector<int>(count, range);
}

std::vector<int> joined(std::initializer_list<std::vector<int>> parts)
{
    std::vector<int> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

TEST(QuestionDraws, AChoiceEqualToAnotherRedrawsAllThreeWrongAnswers)
{
    // 3 + 5 at position 2; the first wrong answers 2, 8, 7 repeat the right one.
    ScriptedRandom random{2, 4, 1, 0, 0, 3, 3, 5, 0, 8, 8, 0, 1, 2, 2};
    const TQuestion question = generateQuestion(Addition, 1, random);
    EXPECT_EQ(question.Text, "3 + 5 = ?");
    EXPECT_EQ(question.RightAnswer, "8");
    EXPECT_EQ(question.Choices, (Choices{"18", "8", "3", "6"}));
    EXPECT_EQ(random.ranges, joined({{9, 9, 4}, repeated(9, 12)}));
    EXPECT_TRUE(random.exhausted());
}

TEST(QuestionDraws, TwoEqualWrongAnswersAreRedrawnToo)
{
    // 12 x 10 at position 2; the first wrong answers 100, 100, 110 repeat each other.
    ScriptedRandom random{2, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 89, 89, 1, 0};
    const TQuestion question = generateQuestion(Multiplication, 3, random);
    EXPECT_EQ(question.Text, "12 x 10 = ?");
    EXPECT_EQ(question.Choices, (Choices{"100", "120", "9801", "110"}));
    EXPECT_EQ(random.ranges, joined({{90, 90, 4}, repeated(90, 12)}));
    EXPECT_TRUE(random.exhausted());
}

TEST(QuestionDraws, SubtractionRedrawsOperandsAndWrongAnswersThatAreNotPositive)
{
    // 3 - 5 and 5 - 5 are drawn again; wrong answers -1, 4, 8 and then 3, 0, 0 are drawn again.
    ScriptedRandom random{2, 4, 4, 4, 6, 2, 0, 0, 1, 5, 1, 8, 0, 4, 1, 4, 4, 8, 8, 8, 0, 5, 4, 2, 0};
    const TQuestion question = generateQuestion(Subtraction, 1, random);
    EXPECT_EQ(question.Text, "7 - 3 = ?");
    EXPECT_EQ(question.RightAnswer, "4");
    EXPECT_EQ(question.Choices, (Choices{"4", "8", "1", "2"}));
    EXPECT_EQ(random.ranges, joined({repeated(9, 6), {4}, repeated(9, 18)}));
    EXPECT_TRUE(random.exhausted());
}

TEST(QuestionDraws, DivisionAtLevelOneNeedsAWholeMultipleAndMayGiveOne)
{
    // 7 : 2 is drawn again; 6 : 6 stands; the wrong answer 1 : 5 = 0 redraws all three.
    ScriptedRandom random{6, 1, 5, 5, 3, 8, 2, 7, 1, 0, 4, 8, 0, 3, 1, 4, 0};
    const TQuestion question = generateQuestion(Division, 1, random);
    EXPECT_EQ(question.Text, "6 : 6 = ?");
    EXPECT_EQ(question.RightAnswer, "1");
    EXPECT_EQ(question.Choices, (Choices{"9", "2", "5", "1"}));
    EXPECT_TRUE(random.exhausted());
}

TEST(QuestionDraws, LevelTwoDrawsATwoDigitLeftNumberAndChecksNoSign)
{
    ScriptedRandom subtraction{37, 8, 2, 0, 0, 1, 0, 89, 8};
    const TQuestion difference = generateQuestion(Subtraction, 2, subtraction);
    EXPECT_EQ(difference.Text, "47 - 9 = ?");
    EXPECT_EQ(difference.Choices, (Choices{"9", "10", "38", "90"}));
    EXPECT_EQ(subtraction.ranges, (std::vector<int>{90, 9, 4, 90, 9, 90, 9, 90, 9}));

    // 13 : 2 is drawn again; dividing by 1 is allowed, and so is a wrong answer of 1.
    ScriptedRandom division{3, 1, 37, 0, 0, 0, 8, 89, 0, 20, 1};
    const TQuestion quotient = generateQuestion(Division, 2, division);
    EXPECT_EQ(quotient.Text, "47 : 1 = ?");
    EXPECT_EQ(quotient.RightAnswer, "47");
    EXPECT_EQ(quotient.Choices, (Choices{"47", "1", "99", "15"}));
    EXPECT_TRUE(division.exhausted());
}

// A fact practised again draws as generateQuestion does after the operands (7 - 3 above).
TEST(QuestionDraws, AQuestionAboutGivenOperandsDrawsAsAfterDrawnOnes)
{
    ScriptedRandom random{0, 0, 1, 5, 1, 8, 0, 4, 1, 4, 4, 8, 8, 8, 0, 5, 4, 2, 0};
    const TQuestion question = generateQuestionWith(Subtraction, 1, 7, 3, random);
    EXPECT_EQ(question.Text, "7 - 3 = ?");
    EXPECT_EQ(question.Choices, (Choices{"4", "8", "1", "2"}));
    EXPECT_TRUE(random.exhausted());
}

// A press is judged by the position of the answer pressed, never by how its caption reads.
TEST(QuestionJudging, OnlyThePositionOfTheRightAnswerIsRight)
{
    const TQuestion question{"7 + 5 = ?", {"2", "12", "4", "6"}, "12"};
    const std::pair<int, bool> presses[] = {{1, false}, {2, true}, {3, false}, {4, false}, {0, false}, {5, false}, {-1, false}};
    for (const auto& [position, right] : presses)
        EXPECT_EQ(isRightChoice(question, position), right) << "position " << position;
}

} // namespace
