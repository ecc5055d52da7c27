#pragma once

#include "Facts.h"
#include "Mastery.h"

#include <optional>
#include <string>
#include <vector>

// What a teacher reads of one pupil's answers: each level-1 fact of an operation, the figures
// of every operation and level, the answers of the last days and the wrong answers chosen most.
// Read from the history in a few aggregating queries, whatever its size.
struct FactSummary {
    Fact fact;
    Mastery mastery = Mastery::New;
    int answers = 0;                 // first presses
    std::optional<int> medianMilliseconds;
};

struct LevelFigures {
    int operation = 1;
    int level = 1;
    int answers = 0;                 // first presses
    int rightAtFirstPress = 0;
    std::optional<int> medianMilliseconds;
};

struct DayFigures {
    Day day = 0;
    int right = 0;                   // every press
    int wrong = 0;
};

struct ChosenWrong {
    Fact fact;
    long long chosen = 0;
    int times = 0;
};

// Every level-1 fact of the operation, in order, none of them answered yet.
std::vector<FactSummary> unansweredFacts(int operation);

// "7 x 8: slow, 5 answers, median 3.4 s": a fact as a screen reader tells it, in the words given
// for the mastery and for "answers" and "median".
std::string factReading(const FactSummary& summary, const std::string& masteryWord, const std::string& answersWord,
                        const std::string& medianWord);
// "7 x 8: 54 chosen 6 times", in the words given for "chosen" and "times".
std::string chosenWrongReading(const ChosenWrong& wrong, const std::string& chosenWord, const std::string& timesWord);
// "3.4 s"
std::string secondsText(int milliseconds);

// The facts a pupil needs most, at most `count`, weakest first: slipping, then learning, slow,
// new and last fluent ones; among facts alike, the more often answered first (a fact missed
// again and again before one met once), then in their order.
std::vector<Fact> weakestFacts(const std::vector<FactSummary>& summaries, std::size_t count);
