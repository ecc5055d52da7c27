// Several pupils on one computer, the classroom's settings, the full-screen stage and a class
// database, through their real windows: the chooser at the main window's menu, totals, answers
// and title of the pupil practising, what the classroom window writes, and a classroom computer
// on a class database of the test's own.

#include "ClassRules.h"
#include "ClassView.h"
#include "ClassroomWindow.h"
#include "CRPanel.h"
#include "DesktopServices.h"
#include "FullScreenStage.h"
#include "HistoryDatabase.h"
#include "HistoryReport.h"
#include "MainWindowFixture.h"
#include "MenuWindows.h"
#include "ModalWindow.h"
#include "PostgresServer.h"
#include "ProgressWindow.h"
#include "Screenshots.h"
#include "PupilChooser.h"
#include "about.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include <fstream>

namespace {

class Classroom : public MainWindowFixture {
protected:
    Classroom()
    {
        setInterface("Animated Buttons", "No");
        setInterface("Pupils", "Yes");
        store->WriteString("Pupils", "Names", "Ada\nBoris");
    }

    MainWindowControls& openMainWindow()
    {
        MainWindowControls& window = createWindow();
        attachMenuWindows(*mainWindow, services());
        return window;
    }

    QAction* menuItem(const char* name) const { return mainWindow->findChild<QAction*>(name); }

    template <class Control>
    static Control* control(const QWidget& window, const char* name)
    {
        auto* found = window.findChild<Control*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    // Shows a window over the main window, as the menu does, without waiting for it to close.
    static void activate(QDialog& window)
    {
        window.open();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    static QStringList listed(const PupilChooser& chooser)
    {
        QStringList names;
        const auto* list = control<QListWidget>(chooser, "PupilList");
        for (int row = 0; row < list->count(); ++row)
            names << list->item(row)->text();
        return names;
    }

    // Answers the round's first question, 7 + 5, rightly.
    void answerRightly(MainWindowControls& window)
    {
        window.Button1->click();
        random->script({6, 4, 0, 0, 0, 1, 1, 2, 2});
        window.Button5->click();
        window.Button8->click();
        window.Button13->click();
    }

    std::vector<std::string> exported(const std::string& pupil)
    {
        history->flush();
        HistoryDatabase file(history->path(), HistoryDatabase::Access::Read);
        std::vector<std::string> rows;
        exportAnswers(file, pupil, [&](const std::string& record) { rows.push_back(record); });
        return rows;
    }
};

TEST_F(Classroom, ThePupilChosenPractisesWithTotalsAnswersAndTitleOfTheirOwn)
{
    MainWindowControls& window = openMainWindow();
    ASSERT_TRUE(menuItem("ChangePupil1")->isVisible());
    withModalWindow<PupilChooser>([&] { menuItem("ChangePupil1")->trigger(); },
                                  [&](PupilChooser& chooser) {
                                      EXPECT_EQ(listed(chooser), (QStringList{"Ada", "Boris"}));
                                      control<QListWidget>(chooser, "PupilList")->setCurrentRow(1);
                                      control<QPushButton>(chooser, "OkButton")->click();
                                  });
    EXPECT_EQ(mainWindow->windowTitle(), "Calcora 2.01 - Boris");

    answerRightly(window);
    EXPECT_EQ(store->ReadString("Pupil Totals", "Boris Correct", ""), "1");
    EXPECT_EQ(stats("Correct"), "0") << "the computer's own totals stay as they were";
    EXPECT_EQ(exported("Boris").size(), 2u) << "the heading and Boris's answer";
    EXPECT_EQ(exported("").size(), 1u);

    QStringList credits;
    withModalWindow<TForm6>([&] { menuItem("About1")->trigger(); },
                            [&](TForm6& about) {
                                credits = about.CRPanel1->Strings();
                                about.accept();
                            });
    EXPECT_TRUE(credits.contains("Correct answers: <b>1</b>")) << credits.join('|').toStdString();
}

TEST_F(Classroom, TheChooserAddsRenamesAndRemovesAndALockedListOnlyChooses)
{
    openMainWindow();
    PupilChooser chooser({*pupils, *pack, *dialogs}, mainWindow.get());
    activate(chooser);
    auto* name = control<QLineEdit>(chooser, "PupilName");
    auto* list = control<QListWidget>(chooser, "PupilList");

    name->setFocus();
    name->setText("  Çiğdem ");
    QTest::keyClick(name, Qt::Key_Return);
    EXPECT_TRUE(chooser.isVisible()) << "Enter in the name box adds, it does not close";
    EXPECT_EQ(listed(chooser), (QStringList{"Ada", "Boris", "Çiğdem"}));
    EXPECT_EQ(list->currentItem()->text(), "Çiğdem");
    EXPECT_TRUE(saveScreenshot(chooser, "pupil-chooser"));

    name->setText("Ada");
    control<QPushButton>(chooser, "AddButton")->click();
    EXPECT_TRUE(control<QLabel>(chooser, "NameRule")->isVisible());
    EXPECT_EQ(list->count(), 3);

    // Ada has answered; renamed, she keeps her totals and her answers.
    pupils->choose("Ada");
    Answer answer = *answerOf({"2 + 3 = ?", {"5", "4", "6", "7"}, "5"}, 1, 1, 1);
    answer.pupil = "Ada";
    answer.firstPress = true;
    history->record(answer);
    store->WriteString("Pupil Totals", "Ada Correct", "5");
    list->setCurrentRow(0);
    name->setText("Adaeze");
    control<QPushButton>(chooser, "RenameButton")->click();
    EXPECT_EQ(listed(chooser), (QStringList{"Adaeze", "Boris", "Çiğdem"}));
    EXPECT_EQ(store->ReadString("Pupil Totals", "Adaeze Correct", ""), "5");
    EXPECT_EQ(store->ReadString("Pupil Totals", "Ada Correct", "none"), "") << "a new Ada starts at nothing";
    EXPECT_EQ(history->factStates("Adaeze", 1).size(), 1u);
    EXPECT_EQ(pupils->current(), "Adaeze");
    EXPECT_EQ(mainWindow->windowTitle(), "Calcora 2.01 - Adaeze");

    list->setCurrentRow(1);
    dialogs->yesNoAnswers = {false, true};
    control<QPushButton>(chooser, "RemoveButton")->click();
    EXPECT_EQ(list->count(), 3) << "No keeps the pupil";
    control<QPushButton>(chooser, "RemoveButton")->click();
    EXPECT_EQ(listed(chooser), (QStringList{"Adaeze", "Çiğdem"}));
    EXPECT_EQ(dialogs->questionTitles, (QStringList{"Boris", "Boris"}));
    EXPECT_EQ(exported("Adaeze").size(), 2u);

    setInterface("Pupils Locked", "Yes");
    PupilChooser locked({*pupils, *pack, *dialogs}, mainWindow.get());
    activate(locked);
    for (const char* editing : {"PupilName", "AddButton", "RenameButton", "RemoveButton"})
        EXPECT_FALSE(locked.findChild<QWidget*>(editing)->isVisible()) << editing;
    control<QListWidget>(locked, "PupilList")->setCurrentRow(1);
    QTest::keyClick(control<QListWidget>(locked, "PupilList"), Qt::Key_Return);
    EXPECT_EQ(pupils->current(), "Çiğdem");
}

TEST_F(Classroom, TheClassroomWindowWritesWhatChangedRefusesAPasswordAndAsksWhoPractises)
{
    setInterface("Pupils", "No");
    openMainWindow();
    EXPECT_FALSE(menuItem("ChangePupil1")->isVisible()) << "pupils are off";
    bool askedWho = false;
    withModalWindow<ClassroomWindow>(
        [&] {
            withModalWindow<PupilChooser>([&] { menuItem("Classroom1")->trigger(); },
                                          [&](PupilChooser& chooser) {
                                              askedWho = true;
                                              EXPECT_FALSE(chooser.findChild<QWidget*>("AddButton")->isVisible())
                                                  << "the class's list is changed on the server";
                                              chooser.reject();
                                          });
        },
        [&](ClassroomWindow& classroom) {
            EXPECT_TRUE(saveScreenshot(classroom, "classroom"));
            control<QCheckBox>(classroom, "PupilsBox")->setChecked(true);
            control<QLineEdit>(classroom, "ClassDatabaseBox")->setText("host=school password=secret");
            control<QPushButton>(classroom, "OkButton")->click();
            EXPECT_EQ(dialogs->errors.size(), 1);
            EXPECT_TRUE(classroom.isVisible()) << "the teacher can mend the connection";
            control<QLineEdit>(classroom, "ClassDatabaseBox")->setText(" service=calcora ");
            control<QPushButton>(classroom, "OkButton")->click();
        });
    EXPECT_TRUE(askedWho);
    EXPECT_TRUE(menuItem("ChangePupil1")->isVisible());
    EXPECT_EQ(store->ReadString("Interface", "Pupils", ""), "Yes");
    EXPECT_EQ(store->ReadString("Interface", "Class Database", ""), "service=calcora");
    EXPECT_EQ(store->ReadString("Interface", "Size", "unwritten"), "unwritten") << "the size was not changed";
}

TEST_F(Classroom, TheFullScreenStageCentresTheMainWindowUnderItsTitleAndGivesItBack)
{
    openMainWindow();
    {
        FullScreenStage stage(*mainWindow, "Close");
        stage.resize(1000, 700);
        stage.show();
        EXPECT_EQ(mainWindow->pos(), QPoint(320, 267));
        EXPECT_TRUE(mainWindow->isVisible());
        appearance->setTitle("Class 4b");
        EXPECT_EQ(stage.windowTitle(), "Class 4b");
        control<QToolButton>(stage, "QuitButton")->click();
        EXPECT_FALSE(stage.isVisible());
    }
    EXPECT_EQ(mainWindow->parentWidget(), nullptr) << "the main window outlives its stage";
}

// A classroom computer whose store names a class database: the class's pupils become the list,
// a pupil's answer reaches the server, and the teacher reads the class in the progress window.
TEST_F(Classroom, AClassComputerTakesTheClassesPupilsSendsEachAnswerAndShowsTheTeacherTheClass)
{
    PostgresServer server;
    ASSERT_TRUE(server.installed()) << "PostgreSQL 15 (postgresql-15) is not installed";
    ASSERT_TRUE(server.start()) << server.log();
    ASSERT_TRUE(server.makeDatabase("calcora", CALCORA_CLASS_SCRIPT)) << server.log();
    ASSERT_TRUE(server.addLogin("teacher", "calcora_teacher"));
    ASSERT_TRUE(server.addLogin("ada_pc", "calcora_pupil"));
    server.value("INSERT INTO pupils VALUES ('Ada'), ('Ben')");

    setInterface("Class Database", server.connection("ada_pc"));
    MainWindowControls& window = openMainWindow();
    followClassPupils(*classLink, *pupils, *dialogs);
    classLink->start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return pupils->names() == std::vector<std::string>{"Ada", "Ben"}; }, 30000));
    EXPECT_TRUE(pupils->locked());
    pupils->choose("Ada");
    answerRightly(window);
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.value("SELECT pupil FROM answers") == "Ada"; }, 30000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return classLink->status().toStdString() == allSentLine(); }, 30000));

    ProgressWindow progress({.store = *store, .pack = *pack, .dialogs = *dialogs, .random = *random,
                             .history = *history, .clock = *clock, .pupils = pupils->names(), .pupil = "Ada",
                             .classConnection = server.connection("teacher"),
                             .classStatus = [this] { return classLink->status(); }, .openQuizDocument = {}});
    progress.show();
    EXPECT_EQ(control<QLabel>(progress, "ClassStatusLine")->text().toStdString(), allSentLine());
    auto* view = control<QComboBox>(progress, "ViewChoice");
    view->setCurrentIndex(1);
    emit view->activated(1);
    const QAbstractItemModel* grid = control<QTableView>(progress, "ClassGrid")->model();
    ASSERT_TRUE(QTest::qWaitFor([&] { return grid->rowCount() == 2; }, 30000))
        << control<QLabel>(progress, "ClassState")->text().toStdString();
    const auto cell = [&](int pupil, const Fact& fact) {
        const auto& facts = levelOneFacts(fact.operation);
        const auto column = std::find(facts.begin(), facts.end(), fact) - facts.begin();
        return grid->data(grid->index(pupil, static_cast<int>(column)), Qt::AccessibleTextRole).toString();
    };
    EXPECT_EQ(cell(0, {1, 7, 5}), "Ada, 7 + 5: learning");
    EXPECT_EQ(cell(1, {1, 7, 5}), "Ben, 7 + 5: new");
    EXPECT_TRUE(saveScreenshot(progress, "progress-class"));

    const std::string csv = historyFolder.filePath("class.csv");
    dialogs->saveAnswers = {QString::fromStdString(csv)};
    control<QPushButton>(progress, "ExportButton")->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return control<QLabel>(progress, "ClassState")->text() == "Answers saved: 1"; }, 30000));
    std::ifstream saved(csv);
    const std::string everything((std::istreambuf_iterator<char>(saved)), std::istreambuf_iterator<char>());
    EXPECT_NE(everything.find(",Ada,"), std::string::npos) << everything;
}

} // namespace
