#pragma once

#include "Facts.h"
#include "Mastery.h"
#include "Question.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One press of an answer button as the history keeps it: a row of the table "answers" (the
// README describes its columns for anyone who reads the file with tools of their own).
struct Answer {
    std::string pupil;              // empty while the program has no pupils
    std::int64_t atUtcMilliseconds = 0;
    int operation = 1;
    int level = 1;
    long long a = 0;
    long long b = 0;
    long long answer = 0;           // the right result
    std::array<long long, 4> choices{}; // as shown, left to right
    long long chosen = 0;
    bool correct = false;
    bool firstPress = false;        // the first press of its question
    std::int64_t milliseconds = 0;  // from the question's first painted frame to the press
    std::int32_t markMilliseconds = static_cast<std::int32_t>(FluencyMark::Default);
    bool operator==(const Answer&) const = default;
};

// The operands of a question's text ("47 - 9 = ?"); nothing when the text is not of that form.
std::optional<Fact> operandsOf(const TQuestion& question, int operation);

// The answer the press at `position` (1 to 4) of a question gives; nothing when the question's
// numbers cannot be read.
std::optional<Answer> answerOf(const TQuestion& question, int operation, int level, int position);

// "2026-12-08T20:14:44.123Z": a moment in UTC, with milliseconds.
std::string isoUtcTime(std::int64_t utcMilliseconds);
// "2026-12-08", and the day's number (see Mastery.h), of a moment in UTC and back.
Day dayOf(std::int64_t utcMilliseconds);
std::string isoDate(Day day);
std::optional<Day> parseIsoDate(std::string_view text);

// The columns of the table "answers" in their order, as a CSV export's header names them.
const std::vector<std::string>& answerColumns();

// "12,2,4,6" and back.
std::string choicesText(const std::array<long long, 4>& choices);

// A record of a CSV file as RFC 4180 writes it: fields joined by ",", a field holding a comma,
// a quote, a line break or a blank at either end in double quotes with its quotes doubled, and
// the record ended by CR LF.
std::string csvRecord(const std::vector<std::string>& fields);
