#pragma once

#include <array>
#include <string>

// One multiple-choice question. Numbers are plain decimal texts, so two answers are equal
// exactly when their texts are.
struct TQuestion {
    std::string Text;                   // "47 - 9 = ?"
    std::array<std::string, 4> Choices; // positions 1 to 4 are indexes 0 to 3
    std::string RightAnswer;            // equal to exactly one of the choices
};

// Whether the answer at `position` (1 to 4) is the right one; any other position is not.
inline bool isRightChoice(const TQuestion& question, int position)
{
    return position >= 1 && position <= 4 && question.Choices[static_cast<std::size_t>(position - 1)] == question.RightAnswer;
}

// Operation codes and their signs in the question text.
enum Operation : int { Addition = 1, Subtraction = 2, Multiplication = 3, Division = 4 };

constexpr const char* operationSign(int operation)
{
    switch (operation) {
    case Addition: return "+";
    case Subtraction: return "-";
    case Multiplication: return "x";
    default: return ":";
    }
}
