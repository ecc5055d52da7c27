#include "Worksheet.h"

#include <algorithm>
#include <sstream>

namespace {

constexpr std::size_t kLongestNumber = 9; // digits; two of them multiplied still fit

std::vector<std::string> words(const std::string& line)
{
    std::istringstream in(line);
    std::vector<std::string> parted;
    for (std::string word; in >> word;)
        parted.push_back(word);
    return parted;
}

bool isNumber(const std::string& text)
{
    return !text.empty() && text.size() <= kLongestNumber
        && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The number of a question line's first word, "12-)": "12"; empty when it is not one.
std::string questionNumber(const std::string& word)
{
    if (word.size() < 3 || word.compare(word.size() - 2, 2, "-)") != 0)
        return {};
    const std::string number = word.substr(0, word.size() - 2);
    return isNumber(number) ? number : std::string();
}

std::optional<long long> worked(long long a, const std::string& sign, long long b)
{
    if (sign == "+")
        return a + b;
    if (sign == "-")
        return a - b;
    if (sign == "x")
        return a * b;
    if (sign == ":" && b != 0 && a % b == 0)
        return a / b;
    return std::nullopt;
}

std::optional<long long> answerOf(const std::vector<std::string>& question)
{
    if (question.size() != 6 || questionNumber(question[0]).empty() || !isNumber(question[1])
        || !isNumber(question[3]) || question[4] != "=" || question[5] != "?")
        return std::nullopt;
    return worked(std::stoll(question[1]), question[2], std::stoll(question[3]));
}

bool isChoice(const std::string& word)
{
    return word.size() >= 3 && word[0] >= 'a' && word[0] <= 'z' && word[1] == ')' && isNumber(word.substr(2));
}

bool startsWith(const std::string& text, const std::string& start)
{
    return text.compare(0, start.size(), start) == 0;
}

} // namespace

std::optional<std::string> answerKeyLine(const std::string& questionLine, const std::string& choicesLine)
{
    const std::vector<std::string> question = words(questionLine);
    const std::optional<long long> answer = answerOf(question);
    const std::vector<std::string> choices = words(choicesLine);
    if (!answer || choices.empty() || !std::all_of(choices.begin(), choices.end(), isChoice))
        return std::nullopt;
    const std::string answerText = std::to_string(*answer);
    std::optional<std::string> right;
    for (const std::string& choice : choices) {
        if (choice.substr(2) != answerText)
            continue;
        if (right)
            return std::nullopt;
        right = choice;
    }
    if (!right)
        return std::nullopt;
    return question[0] + " " + *right;
}

std::string nameAndDateLine(const WorksheetWords& words)
{
    return words.name + ": ______  " + words.date + ": ______";
}

std::vector<std::string> worksheetLines(const std::vector<std::string>& lines, const WorksheetChoices& choices,
                                        const WorksheetWords& words)
{
    std::vector<std::string> sheet;
    if (choices.layout)
        sheet = {words.title, nameAndDateLine(words), ""};
    sheet.insert(sheet.end(), lines.begin(), lines.end());
    if (choices.answerKey) {
        sheet.insert(sheet.end(), {"", words.keyHeading});
        for (std::size_t at = 0; at + 1 < lines.size(); ++at) {
            if (auto key = answerKeyLine(lines[at], lines[at + 1]))
                sheet.push_back(std::move(*key));
        }
    }
    return sheet;
}

std::vector<bool> questionsWithChoices(const std::vector<std::string>& lines)
{
    std::vector<bool> kept(lines.size(), false);
    for (std::size_t at = 0; at + 1 < lines.size(); ++at) {
        const std::vector<std::string> first = words(lines[at]);
        kept[at] = !first.empty() && !questionNumber(first[0]).empty() && startsWith(lines[at + 1], "a)");
    }
    return kept;
}
