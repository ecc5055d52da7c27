#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// How far a pupil has mastered a fact, from the first presses of the questions that asked it.
// Only the first press of a question counts: presses after it change nothing here.

// A day as a whole number of days since 1970-01-01 (UTC); another day is another number.
using Day = std::int32_t;

// How long a right answer may take to count as fluent.
enum class FluencyMark : std::int32_t { Starting = 6000, Default = 3000, Expert = 1500 };
inline constexpr FluencyMark kFluencyMarks[] = {FluencyMark::Starting, FluencyMark::Default, FluencyMark::Expert};

// The mark a stored number of milliseconds names; any other number, or none, is the default.
FluencyMark fluencyMarkOf(std::optional<std::int32_t> stored);

// How a first press went: wrong, right but over the fluency mark, or right within it.
enum class FirstPress { Missed, Slow, Fast };
FirstPress judgeFirstPress(bool correct, std::int64_t milliseconds, std::int64_t markMilliseconds);

// New: never asked. Fluent: right within the mark at the first press in at least 2 of its
// last 3 tries, those tries on at least 2 different days. Slipping: fluent once, not now.
// Slow: right at its last first press, over the mark. Learning: anything else asked.
enum class Mastery { New, Learning, Slow, Fluent, Slipping };

// The Leitner boxes: a fact in box n is due again this many days after its last first press.
inline constexpr int kBoxes = 5;
inline constexpr int kBoxDays[kBoxes] = {0, 1, 3, 7, 21};

// What is kept of one fact, beside every answer: its box and when it is due, its counts, its
// last three first presses and whether it was ever fluent.
struct FactState {
    struct Try {
        FirstPress press;
        Day day;
        bool operator==(const Try&) const = default;
    };

    int box = 0;            // 0: never asked; 1 to kBoxes otherwise
    Day due = 0;            // the day it is due again
    int asked = 0;          // first presses
    int rightFirst = 0;     // of them right (fast or slow)
    std::vector<Try> recent; // the last three first presses, oldest first
    bool everFluent = false;
    bool operator==(const FactState&) const = default;
};

// The state after a first press on `day`. Fast moves the fact one box up (a new fact into box
// 2), slow keeps its box (a new fact goes into box 1), a miss puts it back into box 1; it is
// then due kBoxDays of its box later. Ever fluent once it is fluent.
FactState afterFirstPress(FactState state, FirstPress press, Day day);

Mastery masteryOf(const FactState& state);

// The last three first presses as the history keeps them, "F:20431 S:20432 M:20433" (Fast,
// Slow, Missed, each with its day), and back; text that is not of that form reads as far as it
// makes sense, and never as more than three tries.
std::string recentText(const std::vector<FactState::Try>& recent);
std::vector<FactState::Try> parseRecent(std::string_view text);
