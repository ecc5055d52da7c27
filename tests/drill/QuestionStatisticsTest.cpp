#include "QuestionGenerator.h"
#include "RandomSource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>

namespace {

struct Range {
    long long low;
    long long high;
};

// Right answers of each operation at levels 1, 2 and 3.
const Range kRightAnswers[4][3] = {
    {{2, 18}, {11, 108}, {20, 198}},
    {{1, 8}, {1, 98}, {1, 89}},
    {{1, 81}, {10, 891}, {100, 9801}},
    {{1, 9}, {2, 99}, {1, 9}},
};

bool isPlainDecimal(const std::string& text)
{
    return !text.empty() && text.front() != '0'
        && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

long long operandLimit(bool twoDigit, bool upper)
{
    return twoDigit ? (upper ? 99 : 10) : (upper ? 9 : 1);
}

class EveryCell : public testing::TestWithParam<std::pair<int, int>> {};

TEST_P(EveryCell, ManyQuestionsKeepEveryRule)
{
    const auto [operation, level] = GetParam();
    const Range right = kRightAnswers[operation - 1][level - 1];
    const std::string sign = operationSign(operation);
    SeededRandom random(20261208u + static_cast<unsigned>(operation * 10 + level));
    constexpr int kQuestions = 20000;
    std::array<int, 4> rightPositions{};

    for (int i = 0; i < kQuestions; ++i) {
        const TQuestion question = generateQuestion(operation, level, random);
        std::istringstream text(question.Text);
        std::string a, shownSign, b, equals, mark;
        text >> a >> shownSign >> b >> equals >> mark;
        ASSERT_EQ(question.Text, a + " " + sign + " " + b + " = ?");
        ASSERT_TRUE(isPlainDecimal(a) && isPlainDecimal(b)) << question.Text;
        const long long left = std::stoll(a), rightOperand = std::stoll(b);
        ASSERT_GE(left, operandLimit(level >= 2, false));
        ASSERT_LE(left, operandLimit(level >= 2, true));
        ASSERT_GE(rightOperand, operandLimit(level == 3, false));
        ASSERT_LE(rightOperand, operandLimit(level == 3, true));

        const long long result = operation == Addition ? left + rightOperand
            : operation == Subtraction                 ? left - rightOperand
            : operation == Multiplication              ? left * rightOperand
                                                       : left / rightOperand;
        if (operation == Division) {
            ASSERT_EQ(left % rightOperand, 0) << question.Text;
        }
        ASSERT_EQ(question.RightAnswer, std::to_string(result)) << question.Text;
        ASSERT_GE(result, right.low) << question.Text;
        ASSERT_LE(result, right.high) << question.Text;

        std::set<std::string> distinct(question.Choices.begin(), question.Choices.end());
        ASSERT_EQ(distinct.size(), 4u) << question.Text;
        int rightCount = 0;
        for (std::size_t position = 0; position < 4; ++position) {
            const std::string& choice = question.Choices[position];
            ASSERT_TRUE(isPlainDecimal(choice)) << question.Text << " offers " << choice;
            if (operation == Division && level != 2) {
                ASSERT_LE(std::stoll(choice), 9) << question.Text;
            }
            if (choice == question.RightAnswer) {
                ++rightCount;
                ++rightPositions[position];
            }
        }
        ASSERT_EQ(rightCount, 1);
    }
    for (const int count : rightPositions) {
        EXPECT_GT(count, kQuestions / 4 * 9 / 10);
        EXPECT_LT(count, kQuestions / 4 * 11 / 10);
    }
}

std::vector<std::pair<int, int>> allCells()
{
    std::vector<std::pair<int, int>> cells;
    for (int operation = 1; operation <= 4; ++operation)
        for (int level = 1; level <= 3; ++level)
            cells.emplace_back(operation, level);
    return cells;
}

INSTANTIATE_TEST_SUITE_P(Generator, EveryCell, testing::ValuesIn(allCells()),
                         [](const auto& info) {
                             return "Operation" + std::to_string(info.param.first) + "Level"
                                 + std::to_string(info.param.second);
                         });

TEST(QuestionStatistics, EdgeResultsOccur)
{
    SeededRandom random(7);
    bool divisionByItself = false, levelTwoDivisionByOne = false, levelTwoWrongOne = false;
    for (int i = 0; i < 20000; ++i) {
        const TQuestion first = generateQuestion(Division, 1, random);
        divisionByItself = divisionByItself || first.RightAnswer == "1";
        const TQuestion second = generateQuestion(Division, 2, random);
        levelTwoDivisionByOne = levelTwoDivisionByOne || second.Text.ends_with(" : 1 = ?");
        levelTwoWrongOne = levelTwoWrongOne
            || std::find(second.Choices.begin(), second.Choices.end(), "1") != second.Choices.end();
    }
    EXPECT_TRUE(divisionByItself);
    EXPECT_TRUE(levelTwoDivisionByOne);
    EXPECT_TRUE(levelTwoWrongOne);
}

} // namespace
