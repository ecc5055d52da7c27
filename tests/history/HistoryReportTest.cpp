// What the progress window reads of a history: the queries over a small seeded history.

#include "History.h"
#include "HistoryDatabase.h"
#include "HistoryFixture.h"
#include "HistoryReport.h"

namespace {

class HistoryReport : public HistoryTest {
protected:
    // Two pupils; Ada knows 2 + 3 well on two days, misses 7 x 8 twice with 54, is slow at 3 x 4.
    void seed()
    {
        History history(historyPath());
        history.record(pressOf(Addition, 2, 3, 5, true, 900, dayStart(0), "Ada"));
        history.record(pressOf(Addition, 2, 3, 5, true, 1100, dayStart(1), "Ada"));
        history.record(pressOf(Multiplication, 7, 8, 54, true, 5000, dayStart(1), "Ada"));
        history.record(pressOf(Multiplication, 7, 8, 56, false, 6000, dayStart(1) + 1, "Ada"));
        history.record(pressOf(Multiplication, 7, 8, 54, true, 4000, dayStart(2), "Ada"));
        history.record(pressOf(Multiplication, 3, 4, 12, true, 4500, dayStart(2), "Ada"));
        history.record(pressOf(Addition, 31, 4, 35, true, 2000, dayStart(2), "Ada", 2));
        history.record(pressOf(Addition, 2, 3, 6, true, 900, dayStart(2), "Bo"));
    }
};

TEST_F(HistoryReport, ReadsEachFactLevelDayAndWrongChoiceOfOnePupil)
{
    seed();
    HistoryDatabase reader(historyPath(), HistoryDatabase::Access::Read);

    const auto facts = factSummaries(reader, "Ada", Multiplication);
    ASSERT_EQ(facts.size(), 81u);
    const auto of = [&](int a, int b) { return facts[static_cast<std::size_t>((a - 1) * 9 + b - 1)]; };
    EXPECT_EQ(of(7, 8).mastery, Mastery::Learning);
    EXPECT_EQ(of(7, 8).answers, 2) << "first presses only";
    EXPECT_EQ(of(7, 8).medianMilliseconds, 4000);
    EXPECT_EQ(of(3, 4).mastery, Mastery::Slow);
    EXPECT_EQ(of(1, 1).mastery, Mastery::New);
    EXPECT_EQ(of(1, 1).medianMilliseconds, std::nullopt);
    EXPECT_EQ(factSummaries(reader, "Ada", Addition)[11].mastery, Mastery::Fluent) << "2 + 3 fast on two days";

    const auto levels = levelFigures(reader, "Ada");
    ASSERT_EQ(levels.size(), 3u);
    EXPECT_EQ((std::tuple{levels[0].operation, levels[0].level, levels[0].answers, levels[0].rightAtFirstPress,
                          levels[0].medianMilliseconds}),
              (std::tuple{1, 1, 2, 2, std::optional<int>(900)}));
    EXPECT_EQ((std::tuple{levels[1].operation, levels[1].level}), (std::tuple{1, 2}));
    EXPECT_EQ((std::tuple{levels[2].answers, levels[2].rightAtFirstPress, levels[2].medianMilliseconds}),
              (std::tuple{3, 1, std::optional<int>(4500)}));

    const Day today = dayOf(dayStart(2));
    const auto days = dayFigures(reader, "Ada", today, 30);
    ASSERT_EQ(days.size(), 30u);
    EXPECT_EQ(days.back().day, today);
    EXPECT_EQ((std::pair{days[27].right, days[27].wrong}), (std::pair{1, 0}));
    EXPECT_EQ((std::pair{days[28].right, days[28].wrong}), (std::pair{2, 1})) << "every press counts here";
    EXPECT_EQ((std::pair{days[29].right, days[29].wrong}), (std::pair{2, 1}));
    EXPECT_EQ(days[0].right + days[0].wrong, 0);

    const auto wrong = chosenWrong(reader, "Ada", 5);
    ASSERT_EQ(wrong.size(), 1u);
    EXPECT_EQ((std::tuple{wrong[0].fact, wrong[0].chosen, wrong[0].times}), (std::tuple{Fact{Multiplication, 7, 8}, 54LL, 2}));
    EXPECT_EQ(chosenWrong(reader, "Bo", 5).front().chosen, 6);

    std::string csv;
    EXPECT_EQ(exportAnswers(reader, "Bo", [&](const std::string& record) { csv += record; }), 1u);
    const std::string device = reader.device();
    EXPECT_EQ(csv, "device,seq,pupil,at,operation,level,a,b,answer,choices,chosen,correct,first_press,ms,threshold_ms\r\n"
                       + device + ",8,Bo,2026-03-04T09:00:00.000Z,1,1,2,3,5,\"5,6,7,8\",6,0,1,900,3000\r\n");
}

} // namespace
