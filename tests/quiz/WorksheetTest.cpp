// The answer key read from a quiz's lines, the worksheet's header and which lines keep together.

#include "Worksheet.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

const WorksheetWords kWords{"Quiz", "Name", "Date", "Answers"};

TEST(AnswerKey, EachQuestionIsWorkedOutAndItsChoiceFound)
{
    const struct {
        const char* question;
        const char* choices;
        const char* key; // "" for none
    } cases[] = {
        {"1-) 7 + 5 = ?", "a)12  b)2  c)4  d)6", "1-) a)12"},
        {"12-) 47 - 9 = ?", "a)36  b)38  c)56  d)40", "12-) b)38"},
        {"3-) 7 x 8 = ?", "a)54  b)48  c)63  d)56", "3-) d)56"},
        {"40-) 56 : 7 = ?", "a)9  b)6  c)7  d)8", "40-) d)8"},
        {"  5-)  99   x 99 =  ?  ", " a)9801 b)1", "5-) a)9801"},
        {"6-) 7 + 5 = ?", "a)11  b)2  c)4  d)6", ""},
        {"7-) 7 + 5 = ?", "a)12  b)12  c)4  d)6", ""},
        {"8-) 7 : 2 = ?", "a)3  b)4  c)1  d)2", ""},
        {"9-) 8 : 0 = ?", "a)0  b)8", ""},
        {"10-) 3 - 7 = ?", "a)4  b)10", ""},
        {"11-) 8 / 2 = ?", "a)4  b)2", ""},
        {"-) 7 + 5 = ?", "a)12  b)2", ""},
        {"x-) 7 + 5 = ?", "a)12  b)2", ""},
        {"13-) 7 + 5 = ? later", "a)12  b)2", ""},
        {"14-) 7 + 5 =", "a)12  b)2", ""},
        {"15-) 1000000000 + 5 = ?", "a)1000000005", ""},
        {"16-) 7 + 5 = ?", "a)12  b)two", ""},
        {"17-) 7 + 5 = ?", "", ""},
        {"18-) 7 + 5 = ?", "18-) 7 + 5 = ?", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.question);
        const auto key = answerKeyLine(c.question, c.choices);
        EXPECT_EQ(key.value_or(""), c.key);
    }
}

TEST(Worksheet, TheHeaderComesFirstAndTheKeyAfterTheDocument)
{
    const Lines quiz = {"1-) 3 + 5 = ?", "a)8  b)2  c)3  d)4", "", "2-) 9 : 4 = ?", "a)2  b)1  c)4  d)3",
                        "", "3-) 8 : 4 = ?", "a)4  b)1  c)2  d)3"};
    const Lines header = {"Quiz", "Name: ______  Date: ______", ""};
    const Lines key = {"", "Answers", "1-) a)8", "3-) c)2"};
    const auto joined = [](Lines first, const Lines& second) {
        first.insert(first.end(), second.begin(), second.end());
        return first;
    };
    const struct {
        WorksheetChoices choices;
        Lines lines;
    } cases[] = {
        {{false, false}, quiz},
        {{true, false}, joined(quiz, key)},
        {{false, true}, joined(header, quiz)},
        {{true, true}, joined(joined(header, quiz), key)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "key " << c.choices.answerKey << ", layout " << c.choices.layout);
        EXPECT_EQ(worksheetLines(quiz, c.choices, kWords), c.lines);
    }
    EXPECT_EQ(nameAndDateLine({"Quiz", "Nom", "Date du jour", ""}), "Nom: ______  Date du jour: ______");
}

TEST(Worksheet, AQuestionKeepsToItsChoicesLine)
{
    const Lines lines = {"Quiz", "1-) 3 + 5 = ?", "a)8  b)2", "", "2-) How much is half of 10?", "a)5  b)2",
                         "3-) 7 + 1 = ?", "", "a)8", "Answers", "1-) a)8", "2-) a)5", "4-) 2 + 2 = ?"};
    EXPECT_EQ(questionsWithChoices(lines), (std::vector<bool>{false, true, false, false, true, false, false, false,
                                                              false, false, false, false, false}));
}

} // namespace
