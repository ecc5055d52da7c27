#pragma once

#include <string>
#include <tuple>
#include <vector>

// A question's operation (1 to 4) and its two operands, whatever its choices. A level-1 fact is
// one the question generator draws at level 1: both operands one digit, and for subtraction and
// division the pairs that suit them.
struct Fact {
    int operation = 1;
    int a = 1;
    int b = 1;
    bool operator==(const Fact&) const = default;
    bool operator<(const Fact& other) const
    {
        return std::tie(operation, a, b) < std::tie(other.operation, other.a, other.b);
    }
};

// Every level-1 fact of an operation, in order of a, then b: 81 for addition and
// multiplication, 36 for subtraction (a > b), 23 for division (b divides a, a >= b).
std::vector<Fact> levelOneFacts(int operation);

// Whether a fact is one of them.
bool isLevelOneFact(const Fact& fact);

// "7 x 8", as the question shows it (with the question's own sign).
std::string factText(const Fact& fact);

// Its right answer.
long long factAnswer(const Fact& fact);
