#include "Facts.h"

#include "Question.h"

namespace {

bool isOperation(int operation)
{
    return operation >= Addition && operation <= Division;
}

bool isOneDigit(int number)
{
    return number >= 1 && number <= 9;
}

// The pairs the generator keeps at level 1, where both numbers have one digit: a subtraction
// must leave more than zero, a division must come out whole and at least one.
bool suitsLevelOne(int operation, int a, int b)
{
    switch (operation) {
    case Subtraction: return a > b;
    case Division: return a % b == 0 && a >= b;
    default: return true;
    }
}

} // namespace

std::vector<Fact> levelOneFacts(int operation)
{
    std::vector<Fact> facts;
    if (!isOperation(operation))
        return facts;
    for (int a = 1; a <= 9; ++a) {
        for (int b = 1; b <= 9; ++b) {
            if (suitsLevelOne(operation, a, b))
                facts.push_back({operation, a, b});
        }
    }
    return facts;
}

bool isLevelOneFact(const Fact& fact)
{
    return isOperation(fact.operation) && isOneDigit(fact.a) && isOneDigit(fact.b)
        && suitsLevelOne(fact.operation, fact.a, fact.b);
}

std::string factText(const Fact& fact)
{
    return std::to_string(fact.a) + " " + operationSign(fact.operation) + " " + std::to_string(fact.b);
}

long long factAnswer(const Fact& fact)
{
    const long long a = fact.a;
    const long long b = fact.b;
    switch (fact.operation) {
    case Addition: return a + b;
    case Subtraction: return a - b;
    case Multiplication: return a * b;
    default: return b == 0 ? 0 : a / b; // no level-1 fact divides by zero
    }
}
