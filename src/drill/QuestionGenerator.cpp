#include "QuestionGenerator.h"

#include "RandomSource.h"

#include <cstdint>

namespace {

using Number = std::int64_t;

struct Operands {
    Number a;
    Number b;
};

// Level 1 works with one-digit numbers on both sides, level 2 with a two-digit left one,
// level 3 with two-digit numbers on both sides.
bool leftIsTwoDigit(int level) { return level >= 2; }
bool rightIsTwoDigit(int level) { return level == 3; }

template <class Source>
Number draw(Source& random, bool twoDigit)
{
    return twoDigit ? 10 + random.Random(90) : 1 + random.Random(9);
}

template <class Source>
Operands drawPair(Source& random, int level)
{
    const Number a = draw(random, leftIsTwoDigit(level));
    const Number b = draw(random, rightIsTwoDigit(level));
    return {a, b};
}

bool suitsOperation(const Operands& pair, int operation, int level)
{
    const bool sameDigits = level != 2;
    switch (operation) {
    case Subtraction: return pair.a > pair.b;
    case Division: return pair.a % pair.b == 0 && (!sameDigits || pair.a >= pair.b);
    default: return true;
    }
}

Number apply(int operation, const Operands& pair)
{
    switch (operation) {
    case Addition: return pair.a + pair.b;
    case Subtraction: return pair.a - pair.b;
    case Multiplication: return pair.a * pair.b;
    default: return pair.a / pair.b;
    }
}

// Subtraction and division of numbers of the same size can give zero or less; a two-digit
// number less a one-digit one, or divided by one, cannot.
bool wrongAnswersNeedCheck(int operation, int level)
{
    return (operation == Subtraction || operation == Division) && level != 2;
}

bool allDiffer(const std::array<Number, 4>& choices)
{
    for (std::size_t i = 0; i < choices.size(); ++i) {
        for (std::size_t j = i + 1; j < choices.size(); ++j) {
            if (choices[i] == choices[j])
                return false;
        }
    }
    return true;
}

template <class Source>
void drawWrongAnswers(std::array<Number, 4>& choices, std::size_t rightPosition, int operation,
                      int level, Source& random)
{
    const bool check = wrongAnswersNeedCheck(operation, level);
    bool allPositive = false;
    while (!allPositive) {
        allPositive = true;
        for (std::size_t position = 0; position < choices.size(); ++position) {
            if (position == rightPosition)
                continue;
            choices[position] = apply(operation, drawPair(random, level));
            allPositive = allPositive && choices[position] > 0;
        }
        allPositive = allPositive || !check;
    }
}

// The question about operands already chosen: the right answer's position, then the wrong
// answers.
template <class Source>
TQuestion questionAbout(const Operands& pair, int operation, int level, Source& random)
{
    const Number right = apply(operation, pair);
    const auto rightPosition = static_cast<std::size_t>(random.Random(4));
    std::array<Number, 4> choices{};
    choices[rightPosition] = right;
    do {
        drawWrongAnswers(choices, rightPosition, operation, level, random);
    } while (!allDiffer(choices));

    TQuestion question;
    question.Text = std::to_string(pair.a) + " " + operationSign(operation) + " "
        + std::to_string(pair.b) + " = ?";
    question.RightAnswer = std::to_string(right);
    for (std::size_t position = 0; position < choices.size(); ++position)
        question.Choices[position] = std::to_string(choices[position]);
    return question;
}

template <class Source>
TQuestion generate(int operation, int level, Source& random)
{
    Operands pair = drawPair(random, level);
    while (!suitsOperation(pair, operation, level))
        pair = drawPair(random, level);
    return questionAbout(pair, operation, level, random);
}

} // namespace

TQuestion generateQuestion(int operation, int level, RandomSource& random)
{
    // The program's own source is drawn from without a virtual call per draw: a division
    // question at level 3 takes over a thousand draws.
    if (auto* seeded = dynamic_cast<SeededRandom*>(&random))
        return generate(operation, level, *seeded);
    return generate(operation, level, random);
}

TQuestion generateQuestionWith(int operation, int level, long long a, long long b, RandomSource& random)
{
    const Operands pair{a, b};
    if (auto* seeded = dynamic_cast<SeededRandom*>(&random))
        return questionAbout(pair, operation, level, *seeded);
    return questionAbout(pair, operation, level, random);
}
