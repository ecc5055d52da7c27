#include "Answer.h"
#include "ClassRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace {

TEST(ClassRules, AnswersGoInAsNumberedParametersRowAfterRow)
{
    for (const std::size_t rows : {std::size_t{1}, std::size_t{2}, kAnswersPerBatch}) {
        const std::string statement = insertAnswersStatement(rows);
        const std::size_t columns = answerColumns().size();
        EXPECT_EQ(std::count(statement.begin(), statement.end(), '$'), static_cast<long>(rows * columns)) << rows;
        const std::string end = ",$" + std::to_string(rows * columns) + ") ON CONFLICT DO NOTHING";
        EXPECT_TRUE(statement.ends_with(",$" + std::to_string(rows * columns - 1) + end)) << rows;
        EXPECT_NE(statement.find("($" + std::to_string(rows * columns - columns + 1) + ","), std::string::npos) << rows;
    }
    EXPECT_TRUE(insertAnswersStatement(1).starts_with("INSERT INTO answers (device, seq, pupil, at, operation, level, a, "
                                                      "b, answer, choices, chosen, correct, first_press, ms, threshold_ms)"));
}

TEST(ClassRules, TheServersArraysReadAsPressesOrNotAtAll)
{
    using Presses = std::optional<std::vector<ServerPress>>;
    const std::tuple<const char*, const char*, const char*, const char*, Presses> rows[] = {
        {"{t,f,t}", "{1200,3400,900}", "{3000,3000,1500}", "{20431,20432,20433}",
         std::vector<ServerPress>{{true, 1200, 3000, 20431}, {false, 3400, 3000, 20432}, {true, 900, 1500, 20433}}},
        {"{t}", "{3001}", "{3000}", "{-2}", std::vector<ServerPress>{{true, 3001, 3000, -2}}},
        {"{}", "{}", "{}", "{}", std::vector<ServerPress>{}},
        {"{t,f}", "{1,2}", "{3,4}", "{5}", std::nullopt},      // lengths differ
        {"{t,NULL}", "{1,2}", "{3,4}", "{5,6}", std::nullopt}, // a NULL
        {"{true}", "{1}", "{3}", "{5}", std::nullopt},
        {"{t}", "{1x}", "{3}", "{5}", std::nullopt},
        {"{t,}", "{1,}", "{3,}", "{5,}", std::nullopt},
        {"t", "1", "3", "5", std::nullopt},
    };
    for (const auto& [correct, milliseconds, marks, days, presses] : rows)
        EXPECT_EQ(serverPresses(correct, milliseconds, marks, days), presses) << correct << milliseconds;
}

// The server gives a fact's count, its last presses and whether it was ever fluent; with them a
// fact has the mastery the history gives it after every press one by one.
TEST(ClassRules, TheLastPressesGiveTheMasteryOfEveryPressInTurn)
{
    using Presses = std::vector<ServerPress>;
    constexpr bool R = true, W = false;
    const Presses rows[] = {
        {},
        {{R, 900, 3000, 10}},
        {{R, 900, 3000, 10}, {R, 900, 3000, 11}},
        {{R, 900, 3000, 10}, {R, 900, 3000, 10}},
        {{R, 900, 3000, 10}, {R, 900, 3000, 11}, {W, 900, 3000, 12}, {R, 4000, 3000, 13}},
        {{R, 900, 3000, 10}, {R, 900, 3000, 11}, {W, 900, 3000, 12}, {R, 800, 1500, 13}, {R, 800, 1500, 14}},
        {{W, 100, 3000, 1}, {R, 3000, 3000, 2}, {R, 3001, 3000, 3}},
        {{R, 1600, 1500, 1}, {R, 1400, 1500, 2}, {R, 5900, 6000, 3}, {W, 10, 6000, 4}},
    };
    for (const Presses& presses : rows) {
        FactState history;
        for (const ServerPress& press : presses)
            history = afterFirstPress(history, judgeFirstPress(press.correct, press.milliseconds, press.markMilliseconds),
                                      press.day);
        const Presses last(presses.end() - std::min<std::ptrdiff_t>(3, std::ssize(presses)), presses.end());
        const FactState fromServer = factStateOf(static_cast<int>(presses.size()), last, history.everFluent);
        EXPECT_EQ(masteryOf(fromServer), masteryOf(history)) << recentText(history.recent);
        EXPECT_EQ(fromServer.recent, history.recent);
    }
}

TEST(ClassRules, APupilNeedsHelpPastAQuarterWrong)
{
    const std::tuple<long long, long long, bool> rows[] = {
        {0, 0, false}, {4, 1, false}, {4, 2, true}, {3, 1, true}, {100, 25, false}, {100, 26, true}, {1, 1, true}};
    for (const auto& [answers, wrong, needs] : rows)
        EXPECT_EQ(needsHelp(answers, wrong), needs) << answers << " " << wrong;
}

// How far a connection came, and what libpq says of it, decide the sentence.
TEST(ClassRules, AFailedConnectionIsToldByHowFarItCame)
{
    using Stage = ConnectStage;
    const std::tuple<Stage, bool, bool, bool, std::string> rows[] = {
        {Stage::Reading, false, false, false, "Calcora cannot use the store's Class Database value (why)"},
        {Stage::Connecting, false, false, false, "Calcora cannot reach the class database's server at pc1 (why), so"},
        {Stage::Connecting, true, false, false, "The class database's server at pc1 does not answer, so"},
        {Stage::LoggingIn, true, true, false, "The class database's server at pc1 does not answer, so"},
        {Stage::Securing, false, false, false, "Calcora refuses the class database's server at pc1: its certificate"},
        {Stage::LoggingIn, false, true, false, "The class database refuses the login ada: the login or its password"},
        {Stage::LoggingIn, false, false, true, "The class database asks for the password of the login ada, and"},
        {Stage::LoggingIn, false, false, false, "The class database's server at pc1 refuses the login ada (why)"},
    };
    for (const auto& [stage, timedOut, usedPassword, neededPassword, start] : rows) {
        const std::string sentence =
            connectSentence({stage, timedOut, usedPassword, neededPassword, "ada", "pc1", "why"});
        EXPECT_TRUE(sentence.starts_with(start)) << sentence;
    }
    EXPECT_EQ(reasonText("connection to server at \"127.0.0.1\", port 5 failed: FATAL:  password authentication "
                         "failed for user \"ada\"\n"),
              "connection to server at \"127.0.0.1\", port 5 failed: FATAL: password authentication failed for user "
              "\"ada\"");
    EXPECT_EQ(schemaSentence(2), "The class database is refused: its schema is version 2, this Calcora needs 1");
}

} // namespace
