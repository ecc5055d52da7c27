#pragma once

#include "Answer.h"

#include <cstdint>

// Answer `number` of a made-up run of answers: every operation, level and level-1 fact in turn,
// a quarter of them wrong, a fifth of them presses after the first, at `spacing` milliseconds
// from one to the next from `start`.
inline Answer madeUpAnswer(int number, std::int64_t start, std::int64_t spacing)
{
    Answer answer;
    answer.operation = 1 + number % 4;
    answer.level = 1 + number / 4 % 3;
    answer.a = 1 + number % 9;
    answer.b = 1 + number / 9 % 9;
    answer.answer = answer.a + answer.b;
    answer.choices = {answer.answer, answer.answer + 1, answer.answer + 2, answer.answer + 3};
    answer.chosen = number % 4 == 0 ? answer.answer + 1 : answer.answer;
    answer.correct = answer.chosen == answer.answer;
    answer.firstPress = number % 5 != 0;
    answer.milliseconds = 700 + number * 37 % 6000;
    answer.atUtcMilliseconds = start + std::int64_t{number} * spacing;
    return answer;
}
