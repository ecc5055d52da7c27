#include "QuizComposer.h"

#include "QuizDocument.h"

#include <string_view>
#include <utility>

namespace {

constexpr std::size_t kLinesPerQuestion = 3;

bool isBlankOrControl(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlankOrControl(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlankOrControl(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace

std::string questionLine(int number, const std::string& questionText)
{
    return std::to_string(number) + "-) " + questionText;
}

std::string choicesLine(const TQuestion& question)
{
    const auto& c = question.Choices;
    return "a)" + c[0] + "  b)" + c[1] + "  c)" + c[2] + "  d)" + c[3];
}

std::string StripQuestionNumber(const std::string& line)
{
    const std::size_t dash = line.find('-', 1);
    return dash == std::string::npos ? std::string() : line.substr(dash);
}

QuizComposer::QuizComposer(QuestionSource source)
    : source_(std::move(source))
{
}

std::vector<std::string> QuizComposer::Compose(const QuestionCounts& counts)
{
    quizLines_.clear();
    int number = 1;
    for (int operation = 1; operation <= 4; ++operation) {
        for (int level = 1; level <= 3; ++level)
            addQuestions(operation, level, counts[operation - 1][level - 1], number);
    }
    return finishedLines();
}

std::vector<std::string> QuizComposer::ComposeOf(const std::vector<TQuestion>& questions)
{
    quizLines_.clear();
    int number = 1;
    for (const TQuestion& question : questions)
        addQuestion(question, number);
    return finishedLines();
}

std::vector<std::string> QuizComposer::finishedLines() const
{
    // Joined, trimmed and split again, the quiz loses its final empty line.
    return documentLines(trimmed(documentText(quizLines_)));
}

void QuizComposer::addQuestions(int operation, int level, int count, int& number)
{
    for (int accepted = 0; accepted < count;) {
        if (addQuestion(source_(operation, level), number))
            ++accepted;
    }
}

bool QuizComposer::addQuestion(const TQuestion& question, int& number)
{
    std::string line = questionLine(number, question.Text);
    if (AynisindanVarmi(line))
        return false;
    quizLines_.push_back(std::move(line));
    ++number;
    quizLines_.push_back(choicesLine(question));
    quizLines_.emplace_back();
    return true;
}

bool QuizComposer::AynisindanVarmi(const std::string& candidateLine) const
{
    const std::string key = StripQuestionNumber(candidateLine);
    for (std::size_t at = 0; at < quizLines_.size(); at += kLinesPerQuestion) {
        if (StripQuestionNumber(quizLines_[at]) == key)
            return true;
    }
    return false;
}
