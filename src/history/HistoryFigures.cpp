#include "HistoryFigures.h"

#include <algorithm>
#include <cstdio>

std::vector<FactSummary> unansweredFacts(int operation)
{
    std::vector<FactSummary> summaries;
    for (const Fact& fact : levelOneFacts(operation))
        summaries.push_back({fact, Mastery::New, 0, std::nullopt});
    return summaries;
}

std::string secondsText(int milliseconds)
{
    const int tenths = (milliseconds + 50) / 100;
    char text[32];
    std::snprintf(text, sizeof text, "%d.%d s", tenths / 10, tenths % 10);
    return text;
}

std::string factReading(const FactSummary& summary, const std::string& masteryWord, const std::string& answersWord,
                        const std::string& medianWord)
{
    std::string reading = factText(summary.fact) + ": " + masteryWord;
    if (summary.answers > 0)
        reading += ", " + std::to_string(summary.answers) + " " + answersWord;
    if (summary.medianMilliseconds)
        reading += ", " + medianWord + " " + secondsText(*summary.medianMilliseconds);
    return reading;
}

std::string chosenWrongReading(const ChosenWrong& wrong, const std::string& chosenWord, const std::string& timesWord)
{
    return factText(wrong.fact) + ": " + std::to_string(wrong.chosen) + " " + chosenWord + " "
        + std::to_string(wrong.times) + " " + timesWord;
}

std::vector<Fact> weakestFacts(const std::vector<FactSummary>& summaries, std::size_t count)
{
    const auto rank = [](Mastery mastery) {
        switch (mastery) {
        case Mastery::Slipping: return 0;
        case Mastery::Learning: return 1;
        case Mastery::Slow: return 2;
        case Mastery::New: return 3;
        case Mastery::Fluent: return 4;
        }
        return 5;
    };
    std::vector<FactSummary> ordered = summaries;
    std::stable_sort(ordered.begin(), ordered.end(), [&](const FactSummary& left, const FactSummary& right) {
        if (rank(left.mastery) != rank(right.mastery))
            return rank(left.mastery) < rank(right.mastery);
        return left.answers > right.answers;
    });
    std::vector<Fact> facts;
    for (std::size_t index = 0; index < ordered.size() && index < count; ++index)
        facts.push_back(ordered[index].fact);
    return facts;
}
