#pragma once

#include "Question.h"

class RandomSource;

// A new question of an operation (1 to 4) at a level (1: two one-digit numbers; 2: a
// two-digit and a one-digit number; 3: two two-digit numbers). No number in it is zero or
// negative, and its four choices differ. Draws from `random` in a fixed order: the operands
// (again while they do not suit the operation), the right answer's position, then two
// numbers for each wrong answer (all three again until they suit).
TQuestion generateQuestion(int operation, int level, RandomSource& random);

// A question of an operation at a level about the operands given (a fact practised again):
// its right answer's position, then its wrong answers, drawn as generateQuestion draws them
// after the operands. The operands are ones the generator could draw there (never a divisor
// of zero).
TQuestion generateQuestionWith(int operation, int level, long long a, long long b, RandomSource& random);
