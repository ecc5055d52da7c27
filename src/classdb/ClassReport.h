#pragma once

#include "ClassRules.h"

#include <functional>
#include <string>

// What a teacher reads of the class database, each through a connection of its own made with
// the store's connection text (a teacher's login: a role in calcora_teacher). They wait for the
// server a limited time, never for ever, and throw ClassDatabaseProblem with the sentence to
// show. Meant for a worker thread: they take as long as the server does, unless `stop` gives
// true, which ends them within a moment by ClassConnectionStopped (ClassConnection.h).

// The class's pupils (the table pupils, by name) by the operation's level-1 facts, each cell
// the pupil's mastery; the pupils with more than a quarter of `today`'s answers wrong; and the
// wrong answers of the operation the class chose most, at most `chosenCount`. The server does
// the counting: what comes back is a few rows per pupil and fact.
ClassFigures readClassFigures(const std::string& connection, int operation, Day today, int chosenCount,
                              std::function<bool()> stop = {});

// Every answer of the class as a CSV file, as the computer's own export writes it (the same
// header and fields; exportAnswers in HistoryReport.h), in the order they were given, each
// record handed to `out` as it comes. Gives the number of answers.
std::size_t exportClassAnswers(const std::string& connection, const std::function<void(const std::string& record)>& out,
                               std::function<bool()> stop = {});
