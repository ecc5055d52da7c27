#pragma once

#include "Question.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

// How many questions a quiz holds per cell: counts[operation - 1][level - 1], each 0 to 20.
using QuestionCounts = std::array<std::array<int, 3>, 4>;

// Makes one new question of an operation (1 to 4) at a level (1 to 3).
using QuestionSource = std::function<TQuestion(int operation, int level)>;

// "12-) 7 + 5 = ?": the number, "-) ", then the question's text.
std::string questionLine(int number, const std::string& questionText);
// "a)12  b)13  c)11  d)10": the four choices in their positions.
std::string choicesLine(const TQuestion& question);
// What a question line is compared by: the line without its number, from its first "-" that
// is not its first character ("-) 7 + 5 = ?"); empty when there is no such "-".
std::string StripQuestionNumber(const std::string& line);

// Composes numbered quizzes of questions that are all different. The questions come from the
// source in cell order (operation first, then level); one that is already in the quiz is drawn
// again and uses no number. Every cell offers at least 23 different questions, so any count up
// to 20 is reached.
class QuizComposer {
public:
    explicit QuizComposer(QuestionSource source);

    // A new quiz: three lines per question (question, choices, an empty line), without the
    // final empty line. `QuizLines` starts empty each time, so one quiz never sees another.
    std::vector<std::string> Compose(const QuestionCounts& counts);
    // A quiz of the questions given, in their order, numbered and laid out as Compose lays out
    // its own; a question whose text is already in the quiz is left out and uses no number.
    std::vector<std::string> ComposeOf(const std::vector<TQuestion>& questions);

    // Whether a question with the same text as this question line already stands in the quiz.
    bool AynisindanVarmi(const std::string& candidateLine) const;

    const std::vector<std::string>& QuizLines() const { return quizLines_; }

private:
    void addQuestions(int operation, int level, int count, int& number);
    // Adds the question unless it is already in the quiz; says whether it did.
    bool addQuestion(const TQuestion& question, int& number);
    // The working list as the finished quiz's lines.
    std::vector<std::string> finishedLines() const;

    QuestionSource source_;
    std::vector<std::string> quizLines_;
};
