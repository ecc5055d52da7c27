// The answer key read from a quiz's lines, and the worksheet's header.

#include "Worksheet.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

TEST(AnswerKey, EachQuestionIsWorkedOutAndItsOneRightChoiceFound)
{
    const char* const cases[][3] = { // question, choices, key ("" for none)
        {"1-) 7 + 5 = ?", "a)12  b)2  c)4  d)6", "1-) a)12"}, {"12-) 47 - 9 = ?", "a)36  b)38", "12-) b)38"},
        {"3-) 7 x 8 = ?", "a)54  b)48  c)56", "3-) c)56"},    {"40-) 56 : 7 = ?", "a)9  b)7  c)8", "40-) c)8"},
        {"  5-)  99   x 99 =  ?  ", " a)9801 b)1", "5-) a)9801"}, {"6-) 7 + 5 = ?", "a)11  b)2", ""},
        {"7-) 7 + 5 = ?", "a)12  b)12", ""},  {"8-) 7 : 2 = ?", "a)3  b)4", ""}, {"9-) 8 : 0 = ?", "a)0", ""},
        {"11-) 8 / 2 = ?", "a)4", ""},        {"-) 7 + 5 = ?", "a)12", ""},     {"13-) 7 + 5 = ? more", "a)12", ""},
        {"14-) 7 + 5 = ?", "a)12  b)two", ""}, {"15-) 7 + 5 = ?", "", ""},
        {"16-) 1000000000 + 5 = ?", "a)1000000005", ""},
    };
    for (const auto& [question, choices, key] : cases)
        EXPECT_EQ(answerKeyLine(question, choices).value_or(""), key) << question << " / " << choices;
}

TEST(Worksheet, TheHeaderComesBeforeTheDocumentAndTheKeyAfterIt)
{
    const Lines quiz = {"1-) 3 + 5 = ?", "a)8  b)2", "", "2-) 9 : 4 = ?", "a)2  b)1", "3-) 8 : 4 = ?", "a)2"};
    const WorksheetWords words{"Quiz", "Nom", "Date", "Answers"};
    EXPECT_EQ(worksheetLines(quiz, {}, words), quiz);
    EXPECT_EQ(worksheetLines(quiz, {.answerKey = true, .layout = true}, words),
              (Lines{"Quiz", "Nom: ______  Date: ______", "", "1-) 3 + 5 = ?", "a)8  b)2", "", "2-) 9 : 4 = ?",
                     "a)2  b)1", "3-) 8 : 4 = ?", "a)2", "", "Answers", "1-) a)8", "3-) a)2"}));
}

} // namespace
