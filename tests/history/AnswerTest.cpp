#include "Answer.h"
#include "HistoryFigures.h"

#include <gtest/gtest.h>

namespace {

TEST(AnswerRecord, MomentsAndDaysReadInUtcAcrossTheCalendar)
{
    struct Case {
        std::int64_t utc;
        const char* moment;
        const char* date;
    };
    const Case cases[] = {
        {0, "1970-01-01T00:00:00.000Z", "1970-01-01"},
        {1'772'442'000'123, "2026-03-02T09:00:00.123Z", "2026-03-02"},
        {951'782'399'999, "2000-02-28T23:59:59.999Z", "2000-02-28"},
        {951'868'800'000, "2000-03-01T00:00:00.000Z", "2000-03-01"}, // 2000 was a leap year: the 29th lies between
        {-1, "1969-12-31T23:59:59.999Z", "1969-12-31"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(isoUtcTime(c.utc), c.moment);
        EXPECT_EQ(isoDate(dayOf(c.utc)), c.date);
        EXPECT_EQ(parseIsoDate(c.date), dayOf(c.utc)) << c.date;
    }
    EXPECT_EQ(dayOf(951'868'800'000) - dayOf(951'782'399'999), 2);
    for (const char* damaged : {"", "2026-3-02", "2026-13-01", "2026-03-32", "2026/03/02", "abcd-ef-gh"})
        EXPECT_EQ(parseIsoDate(damaged), std::nullopt) << damaged;
}

TEST(AnswerRecord, APressIsKeptWithTheQuestionsNumbersAsShown)
{
    const TQuestion question{"47 - 9 = ?", {"38", "40", "36", "28"}, "38"};
    const auto wrong = answerOf(question, Subtraction, 2, 3);
    ASSERT_TRUE(wrong);
    EXPECT_EQ(wrong->a, 47);
    EXPECT_EQ(wrong->b, 9);
    EXPECT_EQ(wrong->answer, 38);
    EXPECT_EQ(choicesText(wrong->choices), "38,40,36,28");
    EXPECT_EQ(wrong->chosen, 36);
    EXPECT_FALSE(wrong->correct);
    EXPECT_TRUE(answerOf(question, Subtraction, 2, 1)->correct);
    for (const TQuestion& unreadable : {TQuestion{"47 + 9 = ?", question.Choices, "38"}, TQuestion{"x - 9 = ?", question.Choices, "38"},
                                        TQuestion{question.Text, {"38", "forty", "36", "28"}, "38"}})
        EXPECT_EQ(answerOf(unreadable, Subtraction, 2, 1), std::nullopt) << unreadable.Text;
    EXPECT_EQ(answerOf(question, Subtraction, 2, 5), std::nullopt);
}

TEST(AnswerRecord, CsvFieldsAreQuotedOnlyWhereTheyMustBe)
{
    EXPECT_EQ(csvRecord({"device", "seq"}), "device,seq\r\n");
    EXPECT_EQ(csvRecord({"12,2,4,6", "say \"hi\"", "two\nlines", " edge", "", "Jos\xC3\xA9"}),
              "\"12,2,4,6\",\"say \"\"hi\"\"\",\"two\nlines\",\" edge\",,Jos\xC3\xA9\r\n");
}

TEST(AnswerRecord, AFactIsReadAloudWithItsMasteryCountAndMedian)
{
    EXPECT_EQ(factReading({{Multiplication, 7, 8}, Mastery::Slow, 5, 3400}, "slow", "answers", "median"),
              "7 x 8: slow, 5 answers, median 3.4 s");
    EXPECT_EQ(factReading({{Addition, 2, 3}, Mastery::New, 0, std::nullopt}, "new", "answers", "median"), "2 + 3: new");
    EXPECT_EQ(chosenWrongReading({{Multiplication, 7, 8}, 54, 6}, "chosen", "times"), "7 x 8: 54 chosen 6 times");
    const std::pair<int, const char*> seconds[] = {{0, "0.0 s"}, {49, "0.0 s"}, {50, "0.1 s"}, {3449, "3.4 s"}, {9951, "10.0 s"}};
    for (const auto& [milliseconds, text] : seconds)
        EXPECT_EQ(secondsText(milliseconds), text) << milliseconds;
}

TEST(AnswerRecord, TheWeakestFactsComeFirst)
{
    const std::vector<FactSummary> summaries = {
        {{Addition, 1, 1}, Mastery::Fluent, 9, 900}, {{Addition, 1, 2}, Mastery::New, 0, std::nullopt},
        {{Addition, 1, 3}, Mastery::Learning, 2, 4000}, {{Addition, 1, 4}, Mastery::Slipping, 6, 3100},
        {{Addition, 1, 5}, Mastery::Learning, 7, 5000}, {{Addition, 1, 6}, Mastery::Slow, 3, 4500}};
    const std::vector<Fact> expected = {{Addition, 1, 4}, {Addition, 1, 5}, {Addition, 1, 3}, {Addition, 1, 6}};
    EXPECT_EQ(weakestFacts(summaries, 4), expected);
    EXPECT_EQ(weakestFacts(summaries, 100).size(), 6u);
    EXPECT_EQ(weakestFacts(summaries, 100).back(), (Fact{Addition, 1, 1})) << "a fluent fact last";
}

} // namespace
