// Composition as a plain unit, with a question source that hands out scripted questions, and a
// quiz's lines made a worksheet with its answer key.

#include "QuizComposer.h"
#include "QuizDocument.h"
#include "Worksheet.h"

#include <gtest/gtest.h>

#include <deque>

namespace {

using Lines = std::vector<std::string>;

TQuestion question(const std::string& text, std::array<std::string, 4> choices = {"1", "2", "3", "4"})
{
    return {text, choices, choices[0]};
}

// Hands out its questions in order and remembers which cell each was asked for.
struct ScriptedSource {
    std::deque<TQuestion> questions;
    std::vector<std::pair<int, int>> asked;

    QuestionSource source()
    {
        return [this](int operation, int level) {
            asked.emplace_back(operation, level);
            TQuestion next = questions.front();
            questions.pop_front();
            return next;
        };
    }
};

QuestionCounts onlyCell(int operation, int level, int count)
{
    QuestionCounts counts{};
    counts[operation - 1][level - 1] = count;
    return counts;
}

TEST(QuizLinesText, StripQuestionNumberKeepsTheQuestionFromItsFirstDash)
{
    EXPECT_EQ(StripQuestionNumber("12-) 17 - 5 = ?"), "-) 17 - 5 = ?");
    EXPECT_EQ(StripQuestionNumber("1-) 3 - 1 = ?"), "-) 3 - 1 = ?");
    EXPECT_EQ(StripQuestionNumber("-) 7 - 5"), "- 5") << "at least one character goes";
    EXPECT_EQ(StripQuestionNumber("no dash"), "");
    EXPECT_EQ(StripQuestionNumber(""), "");
}

TEST(QuizComposition, CellsAreVisitedOperationFirstThenLevel)
{
    ScriptedSource script;
    for (int i = 0; i < 12; ++i)
        script.questions.push_back(question(std::to_string(i) + " + 1 = ?"));
    QuestionCounts counts;
    for (auto& row : counts)
        row = {1, 1, 1};
    QuizComposer composer(script.source());
    const Lines lines = composer.Compose(counts);

    const std::vector<std::pair<int, int>> cellOrder = {{1, 1}, {1, 2}, {1, 3}, {2, 1}, {2, 2}, {2, 3},
                                                        {3, 1}, {3, 2}, {3, 3}, {4, 1}, {4, 2}, {4, 3}};
    EXPECT_EQ(script.asked, cellOrder);
    ASSERT_EQ(lines.size(), 12u * 3 - 1);
    EXPECT_EQ(lines[33], "12-) 11 + 1 = ?");
    EXPECT_EQ(composer.QuizLines().size(), 36u) << "the working list keeps its final empty line";
    EXPECT_EQ(composer.QuizLines().back(), "");
}

TEST(QuizComposition, ADuplicateIsDrawnAgainWithTheSameNumberAcrossCells)
{
    ScriptedSource script;
    script.questions = {question("3 + 4 = ?"), question("4 + 3 = ?"), question("3 + 4 = ?", {"9", "8", "7", "6"}),
                        question("13 + 4 = ?")};
    QuestionCounts counts{};
    counts[0] = {2, 1, 0};
    QuizComposer composer(script.source());
    const Lines lines = composer.Compose(counts);

    EXPECT_EQ(lines, (Lines{"1-) 3 + 4 = ?", "a)1  b)2  c)3  d)4", "", "2-) 4 + 3 = ?", "a)1  b)2  c)3  d)4",
                            "", "3-) 13 + 4 = ?", "a)1  b)2  c)3  d)4"}))
        << "4 + 3 differs from 3 + 4; the same question with other choices is a duplicate, also in another cell";
    EXPECT_EQ(script.asked.size(), 4u);
}

TEST(QuizComposition, AynisindanVarmiLooksOnlyAtQuestionLinesOfThisQuiz)
{
    ScriptedSource script;
    script.questions = {question("9 - 1 = ?", {"-) 5 + 5 = ?", "2", "3", "4"})};
    QuizComposer composer(script.source());
    EXPECT_FALSE(composer.AynisindanVarmi("1-) 9 - 1 = ?")) << "nothing composed yet";
    composer.Compose(onlyCell(2, 1, 1));
    EXPECT_TRUE(composer.AynisindanVarmi("7-) 9 - 1 = ?"));
    EXPECT_FALSE(composer.AynisindanVarmi("2-) 5 + 5 = ?  b)2  c)3  d)4")) << "a choices line is never compared";
    EXPECT_FALSE(composer.AynisindanVarmi("2-) 9 - 1 = ? "));
}

TEST(QuizComposition, GivenQuestionsAreNumberedAsComposedOnesWithoutRepeats)
{
    ScriptedSource unused;
    QuizComposer composer(unused.source());
    const TQuestion sevenEight = question("7 x 8 = ?", {"54", "56", "48", "63"});
    EXPECT_EQ(composer.ComposeOf({sevenEight, question("7 x 8 = ?"), question("12 : 3 = ?")}),
              (Lines{"1-) 7 x 8 = ?", "a)54  b)56  c)48  d)63", "", "2-) 12 : 3 = ?", "a)1  b)2  c)3  d)4"}))
        << "a repeat is left out and uses no number";
    EXPECT_EQ(composer.ComposeOf({}), Lines{}) << "each quiz starts afresh";
}

TEST(QuizDocumentText, LinesAndTextConvertBothWays)
{
    EXPECT_EQ(documentText({"a", "", "b"}), "a\r\n\r\nb\r\n");
    EXPECT_EQ(documentText({}), "");
    EXPECT_EQ(documentLines("a\r\n\r\nb\r\n"), (Lines{"a", "", "b"}));
    EXPECT_EQ(documentLines("a\r\nb"), (Lines{"a", "b"})) << "the last line needs no line end";
    EXPECT_EQ(documentLines("a\nb\rc\r\n\r\n"), (Lines{"a", "b", "c", ""}));
    EXPECT_EQ(documentLines(""), Lines{});
    EXPECT_EQ(documentLines("\r\n"), Lines{""});
}

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
