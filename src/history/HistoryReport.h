#pragma once

#include "HistoryFigures.h"

#include <functional>

class HistoryDatabase;

// The figures of HistoryFigures.h as one pupil's history holds them, read in a few aggregating
// queries whatever its size.

// Every level-1 fact of the operation, in order, with what the pupil has reached in it.
std::vector<FactSummary> factSummaries(HistoryDatabase& history, const std::string& pupil, int operation);
// Every operation and level the pupil answered, in order.
std::vector<LevelFigures> levelFigures(HistoryDatabase& history, const std::string& pupil);
// The `days` days up to `today`, oldest first, each with its presses (none on a day without).
std::vector<DayFigures> dayFigures(HistoryDatabase& history, const std::string& pupil, Day today, int days);
// The wrong answers chosen most often for the same fact, most first, at most `count`.
std::vector<ChosenWrong> chosenWrong(HistoryDatabase& history, const std::string& pupil, int count);

// Every answer of the pupil as a CSV file (RFC 4180, UTF-8): a header row of the table's column
// names, then one row per answer in the order they were given, each handed to `out` in turn.
// Gives the number of answers.
std::size_t exportAnswers(HistoryDatabase& history, const std::string& pupil,
                          const std::function<void(const std::string& record)>& out);
