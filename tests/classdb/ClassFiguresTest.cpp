// What a teacher reads of the class database: each pupil's mastery of each fact as the pupil's
// own computer works it out, who needs help today and the wrong answers chosen most.

#include "ClassFixture.h"
#include "ClassReport.h"
#include "HistoryDatabase.h"

#include <algorithm>
#include <map>
#include <random>
#include <set>
#include <tuple>

namespace {

using namespace std::chrono_literals;

struct Pupil {
    std::string name;
    int computer;
    int slowest; // milliseconds its answers take at most
};

TEST_F(ClassDatabaseTest, TheClassFiguresAreWhatEachPupilsComputerWorksOut)
{
    const Day today = dayOf(dayStart());
    server.value("INSERT INTO pupils VALUES ('Ada'), ('Ben'), ('Cleo')");
    ASSERT_TRUE(server.addLogin("cleo_pc", "calcora_pupil"));
    const std::string computers[2] = {folder.filePath("pc1.sqlite"), folder.filePath("pc2.sqlite")};
    // Dan answers on the second computer, but is not one of the class's pupils.
    const Pupil pupils[] = {{"Ada", 0, 4000}, {"Ben", 0, 7000}, {"Cleo", 1, 4500}, {"Dan", 1, 3000}};
    std::minstd_rand random(7);
    std::vector<Answer> answers[2];
    for (const Pupil& pupil : pupils) {
        // 300 presses of 12 multiplication facts over the 8 days before today, a few of them
        // not the first press of their question, at level 2 or of another operation.
        for (int n = 0; n < 300; ++n) {
            const int fact = static_cast<int>(random() % 12);
            const Fact asked{n % 10 == 9 ? 1 : 3, 2 + fact % 4, 6 + fact / 4};
            const long long right = factAnswer(asked);
            const bool correct = random() % 4 != 0;
            answers[pupil.computer].push_back(pressOf(
                asked.operation, asked.a, asked.b, correct ? right : right + 1 + static_cast<long long>(random() % 2),
                n % 13 != 5, 500 + static_cast<int>(random()) % (pupil.slowest - 500), dayStart(n * 8 / 300 - 8) + n * 60000,
                pupil.name, n % 17 == 3 ? 2 : 1));
        }
    }
    // Today: Ada 3 wrong of 10, Ben 2 of 8 (a quarter, no more), Dan every answer.
    for (const auto& [name, computer, count, wrong] :
         {std::tuple("Ada", 0, 10, 3), std::tuple("Ben", 0, 8, 2), std::tuple("Dan", 1, 6, 6)}) {
        for (int n = 0; n < count; ++n)
            answers[computer].push_back(pressOf(3, 9, 9, n < wrong ? 80 : 81, true, 900, dayStart() + n * 1000, name, 2));
    }
    for (int computer = 0; computer < 2; ++computer)
        HistoryDatabase(computers[computer], HistoryDatabase::Access::Write).append(answers[computer]);
    {
        ClassSync first(computers[0], server.connection("ada_pc"), 100ms);
        ClassSync second(computers[1], server.connection("cleo_pc"), 100ms);
        ASSERT_TRUE(waitForStatus(first, allSentLine()) && waitForStatus(second, allSentLine()));
    }
    ASSERT_EQ(serverAnswers(), static_cast<long long>(answers[0].size() + answers[1].size()));

    const ClassFigures figures = readClassFigures(server.connection("teacher"), 3, today, 5);
    ASSERT_EQ(figures.pupils, (std::vector<std::string>{"Ada", "Ben", "Cleo"}));
    ASSERT_EQ(figures.facts, levelOneFacts(3));
    std::set<Mastery> seen;
    for (std::size_t row = 0; row < 3; ++row) {
        const Pupil& pupil = pupils[row];
        HistoryDatabase computer(computers[pupil.computer], HistoryDatabase::Access::Read);
        const auto states = computer.factStates(pupil.name, 3);
        for (std::size_t column = 0; column < figures.facts.size(); ++column) {
            const auto state = states.find(figures.facts[column]);
            const Mastery expected = state == states.end() ? Mastery::New : masteryOf(state->second);
            EXPECT_EQ(figures.mastery[row][column], expected) << pupil.name << " " << factText(figures.facts[column]);
            seen.insert(expected);
        }
    }
    EXPECT_EQ(seen.size(), 5u) << "the class shows every mastery";
    EXPECT_EQ(figures.needHelpToday, std::vector<std::string>{"Ada"});

    std::map<std::tuple<int, int, long long>, int> chosen;
    for (const auto& computer : answers) {
        for (const Answer& answer : computer) {
            if (answer.operation == 3 && !answer.correct)
                ++chosen[{static_cast<int>(answer.a), static_cast<int>(answer.b), answer.chosen}];
        }
    }
    std::vector<std::tuple<int, int, int, long long>> most; // times negated, a, b, chosen
    for (const auto& [key, times] : chosen)
        most.emplace_back(-times, std::get<0>(key), std::get<1>(key), std::get<2>(key));
    std::sort(most.begin(), most.end());
    ASSERT_EQ(figures.chosenWrong.size(), 5u);
    for (std::size_t index = 0; index < 5; ++index) {
        const auto& [times, a, b, answer] = most[index];
        const ChosenWrong& wrong = figures.chosenWrong[index];
        EXPECT_EQ(std::tuple(wrong.fact.a, wrong.fact.b, wrong.chosen, wrong.times), std::tuple(a, b, answer, -times))
            << index;
    }

    try {
        readClassFigures(server.connection("ada_pc"), 3, today, 5);
        ADD_FAILURE() << "a pupil's computer read the answers";
    } catch (const ClassDatabaseProblem& problem) {
        EXPECT_TRUE(problem.message().starts_with("The class database does not let the login ada_pc do this")) << problem.message();
    }
}

} // namespace
