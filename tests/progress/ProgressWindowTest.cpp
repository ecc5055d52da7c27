// The progress window over a seeded history: what it shows, what a teacher does with it, and
// the menu item that opens it.

#include "MainWindowFixture.h"
#include "MenuWindows.h"
#include "ModalWindow.h"
#include "ProgressWindow.h"
#include "RandomSource.h"
#include "Screenshots.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStackedBarSeries>
#include <QBarSet>
#include <QTabBar>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

#include <fstream>
#include <iterator>

namespace {

using Strings = std::vector<std::string>;

Answer press(int operation, int a, int b, bool right, int milliseconds, int day, bool firstPress = true)
{
    Answer answer;
    answer.operation = operation;
    answer.a = a;
    answer.b = b;
    answer.answer = operation == 3 ? a * b : a + b;
    answer.choices = {answer.answer, answer.answer + 2, answer.answer - 2, answer.answer + 10};
    answer.chosen = right ? answer.answer : answer.answer - 2;
    answer.correct = right;
    answer.firstPress = firstPress;
    answer.milliseconds = milliseconds;
    answer.atUtcMilliseconds = ScriptedClock::kStart + std::int64_t{day} * 86'400'000 + milliseconds;
    return answer;
}

class ProgressWindowTest : public MainWindowFixture {
protected:
    ProgressWindowTest()
    {
        pack->Load(mediaFile("english.lng"));
        clock->advance(std::int64_t{3} * 86'400'000);
    }

    // Three days of a pupil: 7 x 8 missed with 54 again and again, 2 x 2 fluent, 3 x 4 slow,
    // 9 x 9 fluent once and now missed, and additions.
    void seed()
    {
        for (int day = 0; day < 3; ++day) {
            history->record(press(Multiplication, 7, 8, false, 5200, day));
            history->record(press(Multiplication, 7, 8, true, 6000, day, false));
            history->record(press(Multiplication, 2, 2, true, 900, day));
            history->record(press(Multiplication, 3, 4, true, 4700, day));
            history->record(press(Addition, day + 1, 5, true, 1500, day));
        }
        history->record(press(Multiplication, 9, 9, true, 800, 0));
        history->record(press(Multiplication, 9, 9, true, 900, 1));
        history->record(press(Multiplication, 9, 9, false, 900, 3));
        history->record(press(Multiplication, 9, 9, false, 900, 3));
        history->flush();
    }

    ProgressWindow& open()
    {
        progress = std::make_unique<ProgressWindow>(
            ProgressWindow::Services{.store = *store, .pack = *pack, .dialogs = *dialogs, .random = seeded,
                                     .history = *history, .clock = *clock, .pupils = {}, .pupil = {}, .classConnection = {}, .classStatus = {},
                                     .openQuizDocument = [this](const Strings& lines) { documents.push_back(lines); }});
        progress->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(progress.get()));
        return *progress;
    }

    template <class Control>
    Control* control(const char* name) const
    {
        auto* found = progress->findChild<Control*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    QString cellReading(int a, int b) const
    {
        const QAbstractItemModel* model = control<QTableView>("FactGrid")->model();
        return model->data(model->index(a - 1, b - 1), Qt::AccessibleTextRole).toString();
    }

    std::vector<Strings> documents;
    // A worksheet draws the choices of many questions.
    SeededRandom seeded{2026};
    std::unique_ptr<ProgressWindow> progress;
};

TEST_F(ProgressWindowTest, ShowsEachFactsMasteryTheFiguresTheDaysAndTheWrongChoices)
{
    seed();
    open();
    control<QTabBar>("OperationTabs")->setCurrentIndex(2);
    EXPECT_EQ(cellReading(7, 8), "7 x 8: learning, 3 answers, median 5.2 s");
    EXPECT_EQ(cellReading(2, 2), "2 x 2: fluent, 3 answers, median 0.9 s");
    EXPECT_EQ(cellReading(3, 4), "3 x 4: slow, 3 answers, median 4.7 s");
    EXPECT_EQ(cellReading(9, 9), "9 x 9: slipping, 4 answers, median 0.9 s");
    EXPECT_EQ(cellReading(5, 5), "5 x 5: new");
    const QAbstractItemModel* grid = control<QTableView>("FactGrid")->model();
    EXPECT_EQ(grid->data(grid->index(1, 1)).toString(), QString(QChar(0x2713))) << "a mark beside the colour";
    EXPECT_NE(grid->data(grid->index(1, 1), Qt::BackgroundRole), grid->data(grid->index(6, 7), Qt::BackgroundRole));

    control<QTabBar>("OperationTabs")->setCurrentIndex(1);
    EXPECT_EQ(cellReading(2, 3), "") << "a pair that is no subtraction fact is an empty cell";
    EXPECT_FALSE(grid->flags(grid->index(1, 2)) & Qt::ItemIsEnabled);

    auto* levels = control<QTableWidget>("LevelFigures");
    ASSERT_EQ(levels->rowCount(), 2);
    EXPECT_EQ(levels->verticalHeaderItem(1)->text(), "Multiplication, Level 1");
    EXPECT_EQ((QStringList{levels->item(1, 0)->text(), levels->item(1, 1)->text(), levels->item(1, 2)->text()}),
              (QStringList{"13", "61 %", "0.9 s"}));
    EXPECT_EQ(control<QListWidget>("ChosenWrong")->item(0)->text(), "7 x 8: 54 chosen 3 times");

    const auto* chart = control<QChartView>("DayChart")->chart();
    const auto* bars = qobject_cast<QStackedBarSeries*>(chart->series().front());
    ASSERT_EQ(bars->barSets().size(), 2);
    EXPECT_EQ(bars->barSets()[0]->count(), 30);
    EXPECT_EQ(bars->barSets()[0]->at(26), 5) << "three days ago: 5 right";
    EXPECT_EQ(bars->barSets()[1]->at(26), 1) << "and 1 wrong";
    EXPECT_EQ(bars->barSets()[1]->at(29), 2) << "today's misses";
    control<QTabBar>("OperationTabs")->setCurrentIndex(2);
    QTest::qWait(50); // the chart lays itself out in its own time
    EXPECT_TRUE(saveScreenshot(*progress, "progress-1-multiplication"));
}

TEST_F(ProgressWindowTest, TheTeacherSetsThePracticeMakesAWorksheetExportsAndForgets)
{
    seed();
    ProgressWindow& window = open();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    // By keyboard: Tab to the practice, Down to choose.
    auto* practice = control<QComboBox>("PracticeChoice");
    practice->setFocus();
    QTest::keyClick(practice, Qt::Key_Down);
    EXPECT_EQ(store->ReadString("Practice", "Weak Facts", ""), "Yes");
    auto* mark = control<QComboBox>("MarkChoice");
    QTest::keyClick(mark, Qt::Key_Down);
    EXPECT_EQ(store->ReadString("Practice", "Fluency Mark", ""), "1500");

    control<QTabBar>("OperationTabs")->setCurrentIndex(2);
    control<QPushButton>("WorksheetButton")->click();
    ASSERT_EQ(documents.size(), 1u);
    ASSERT_GE(documents[0].size(), 5u);
    EXPECT_EQ(documents[0][0], "1-) 9 x 9 = ?") << "the slipping fact first";
    EXPECT_EQ(documents[0][3], "2-) 7 x 8 = ?") << "then the one being learnt";

    const std::string csv = historyFolder.filePath("answers.csv");
    dialogs->saveAnswers.push_back(QString::fromStdString(csv));
    control<QPushButton>("ExportButton")->click();
    std::ifstream file(csv, std::ios::binary);
    const std::string exported{std::istreambuf_iterator<char>(file), {}};
    EXPECT_EQ(std::count(exported.begin(), exported.end(), '\n'), 1 + 19) << "a header row and every answer";

    dialogs->yesNoAnswers = {false};
    control<QPushButton>("ForgetButton")->click();
    EXPECT_EQ(cellReading(7, 8).left(13), "7 x 8: learni") << "No keeps everything";
    dialogs->yesNoAnswers = {true};
    control<QPushButton>("ForgetButton")->click();
    EXPECT_EQ(dialogs->questions.back(), "Remove every answer and what each fact has reached? This cannot be undone.");
    EXPECT_EQ(cellReading(7, 8), "7 x 8: new");
    EXPECT_EQ(control<QListWidget>("ChosenWrong")->count(), 0);
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(ProgressWindowTest, TheMenuItemOpensTheWindowFromItsModule)
{
    MainWindowControls& controls = createWindow();
    attachMenuWindows(*mainWindow, services());
    auto* item = mainWindow->findChild<QAction*>("Progress1");
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), "&Progress...");
    EXPECT_TRUE(item->isEnabled());
    QString title;
    withModalWindow<ProgressWindow>([&] { item->trigger(); }, [&](ProgressWindow& window) {
        title = window.windowTitle();
        window.reject();
    });
    EXPECT_EQ(title, "Progress");
    EXPECT_TRUE(controls.About1->isEnabled());
}

} // namespace
