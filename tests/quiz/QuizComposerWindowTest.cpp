// The composer window through its real widgets: its counters, the status line, the counts
// kept in the store, and the quizzes it composes from the main window's generator.

#include "ConfigDefaults.h"
#include "QuizFixture.h"
#include "ScreenReaderProbe.h"
#include "SpinCounter.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QStyleOptionSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>
#include <regex>
#include <set>

namespace {

using Lines = std::vector<std::string>;

class QuizComposerWindow : public QuizFixture {
protected:
    ComposerUnderTest& openComposer(RandomSource* source = nullptr)
    {
        composer = std::make_unique<ComposerUnderTest>(composerServices(source));
        composer->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(composer.get()));
        return *composer;
    }

    void storeCount(int number, const std::string& text) { store->WriteString("Quiz", quizCounterName(number), text); }
    std::string storedCount(int number) { return store->ReadString("Quiz", quizCounterName(number), ""); }
    void setAllCounts(const std::string& text)
    {
        for (int number = 1; number <= 12; ++number)
            storeCount(number, text);
    }
    std::vector<QString> counterTexts() const
    {
        std::vector<QString> texts;
        for (const SpinCounter* counter : composer->SpinEdits())
            texts.push_back(counter->text());
        return texts;
    }
    QString status() const { return composer->StatusText->text(); }
    static QLineEdit* editor(SpinCounter* counter) { return counter->findChild<QLineEdit*>(); }

    static void clickArrow(SpinCounter* counter, QStyle::SubControl arrow)
    {
        QStyleOptionSpinBox option;
        option.initFrom(counter);
        option.subControls = QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown;
        option.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
        const QRect place = counter->style()->subControlRect(QStyle::CC_SpinBox, &option, arrow, counter);
        QTest::mouseClick(counter, Qt::LeftButton, Qt::NoModifier, place.center());
    }

    std::unique_ptr<ComposerUnderTest> composer;
};

TEST_F(QuizComposerWindow, TextsPlacesAndTabOrder)
{
    ComposerUnderTest& window = openComposer();
    EXPECT_EQ(window.windowTitle(), "Make a Quiz");
    EXPECT_EQ(window.size(), QSize(266, 197));
    EXPECT_EQ(window.minimumSize(), window.maximumSize()) << "fixed size";
    EXPECT_EQ(window.Label1->text(), "Addition (+)");
    EXPECT_EQ(window.Label4->text(), "Division (:)");
    EXPECT_EQ(window.Label4->pos(), QPoint(8, 124));
    EXPECT_EQ(window.Label5->text(), "Level 1");
    EXPECT_EQ(window.Label7->text(), "Level 3");
    EXPECT_EQ(window.Label7->pos(), QPoint(218, 3));
    EXPECT_EQ(window.Button1->text(), "&Create Quiz");
    EXPECT_EQ(window.Button1->geometry(), QRect(104, 152, 153, 20));
    EXPECT_TRUE(window.Button1->isDefault());
    EXPECT_EQ(window.StatusBar1->geometry(), QRect(0, 178, 266, 19));
    EXPECT_EQ(window.findChild<SpinCounter*>("SpinEdit7"), window.SpinEdit7);
    EXPECT_EQ(window.SpinEdit1->geometry(), QRect(104, 24, 40, 22));
    EXPECT_EQ(window.SpinEdit8->geometry(), QRect(160, 120, 40, 22));
    EXPECT_EQ(window.SpinEdit12->geometry(), QRect(216, 120, 40, 22));

    window.SpinEdit1->setFocus();
    QStringList order;
    for (int step = 0; step < 13; ++step) {
        order << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(order, QStringList({"SpinEdit1", "SpinEdit2", "SpinEdit3", "SpinEdit4", "SpinEdit5", "SpinEdit6",
                                  "SpinEdit7", "SpinEdit8", "SpinEdit9", "SpinEdit10", "SpinEdit11", "SpinEdit12",
                                  "Button1"}));
}

TEST_F(QuizComposerWindow, EveryCounterIsReadByItsOperationAndLevel)
{
    ComposerUnderTest& window = openComposer();
    const std::pair<SpinCounter*, QString> names[] = {
        {window.SpinEdit1, "Addition, Level 1"}, {window.SpinEdit4, "Division, Level 1"},
        {window.SpinEdit6, "Subtraction, Level 2"}, {window.SpinEdit11, "Multiplication, Level 3"},
        {window.SpinEdit12, "Division, Level 3"},
    };
    for (const auto& [counter, name] : names)
        EXPECT_EQ(accessibleName(counter), name) << counter->objectName().toStdString();
    std::set<QString> distinct;
    for (SpinCounter* counter : window.SpinEdits())
        distinct.insert(accessibleName(counter));
    EXPECT_EQ(distinct.size(), 12u) << "a name of its own for each";
}

TEST_F(QuizComposerWindow, StoredCountsAreBroughtIntoRange)
{
    storeCount(1, "25");
    storeCount(2, "-4");
    storeCount(3, "seven");
    storeCount(4, "");
    storeCount(5, "12");
    openComposer();
    const std::vector<QString> expected = {"20", "0", "0", "0", "12", "10", "10", "10", "0", "0", "0", "0"};
    EXPECT_EQ(counterTexts(), expected);
    EXPECT_EQ(status(), "Questions: 62");
}

TEST_F(QuizComposerWindow, AnEmptyStoreGivesZeroEverywhere)
{
    store = std::make_unique<MemoryConfigStore>();
    openComposer();
    EXPECT_EQ(counterTexts(), std::vector<QString>(12, "0"));
    EXPECT_EQ(status(), "Questions: 0");
}

TEST_F(QuizComposerWindow, ArrowsStepByOneWithinZeroToTwenty)
{
    storeCount(1, "20");
    storeCount(2, "0");
    ComposerUnderTest& window = openComposer();
    QTest::keyClick(window.SpinEdit1, Qt::Key_Up);
    clickArrow(window.SpinEdit1, QStyle::SC_SpinBoxUp);
    EXPECT_EQ(window.SpinEdit1->text(), "20");
    QTest::keyClick(window.SpinEdit2, Qt::Key_Down);
    clickArrow(window.SpinEdit2, QStyle::SC_SpinBoxDown);
    EXPECT_EQ(window.SpinEdit2->text(), "0");

    clickArrow(window.SpinEdit2, QStyle::SC_SpinBoxUp);
    EXPECT_EQ(window.SpinEdit2->text(), "1");
    QTest::keyClick(window.SpinEdit2, Qt::Key_Up, Qt::ControlModifier);
    QTest::keyClick(window.SpinEdit2, Qt::Key_PageUp);
    EXPECT_EQ(window.SpinEdit2->text(), "2") << "no steps of ten";
    QTest::keyClick(window.SpinEdit1, Qt::Key_Down);
    EXPECT_EQ(window.SpinEdit1->text(), "19");
    EXPECT_EQ(status(), "Questions: 61");
}

TEST_F(QuizComposerWindow, TypingPastingAndCuttingAreRefused)
{
    storeCount(1, "15");
    ComposerUnderTest& window = openComposer();
    SpinCounter* counter = window.SpinEdit1;
    QApplication::clipboard()->setText("7");
    QTest::keyClicks(counter, "3x");
    QTest::keyClick(counter, Qt::Key_Backspace);
    QTest::keyClick(counter, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(counter, Qt::Key_Insert, Qt::ShiftModifier);
    editor(counter)->selectAll();
    QTest::keyClick(counter, Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(counter, Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(counter->text(), "15");
    EXPECT_EQ(QApplication::clipboard()->text(), "7") << "nothing was cut";
    EXPECT_EQ(status(), "Questions: 55");
}

TEST_F(QuizComposerWindow, DeleteRemovesCharactersAndTheRangeRuleTakesTheRest)
{
    storeCount(1, "15");
    ComposerUnderTest& window = openComposer();
    SpinCounter* counter = window.SpinEdit1;
    editor(counter)->setCursorPosition(0);
    QTest::keyClick(counter, Qt::Key_Delete);
    EXPECT_EQ(counter->text(), "5");
    EXPECT_EQ(status(), "Questions: 45");
    editor(counter)->selectAll();
    QTest::keyClick(counter, Qt::Key_Delete);
    EXPECT_EQ(counter->text(), "0") << "an empty text becomes 0";
    EXPECT_EQ(status(), "Questions: 40");

    window.SpinEdit2->setText("12");
    editor(window.SpinEdit2)->setCursorPosition(1);
    QTest::keyClick(window.SpinEdit2, Qt::Key_Delete, Qt::KeypadModifier);
    EXPECT_EQ(window.SpinEdit2->text(), "1") << "the number pad's Delete key deletes too";
    EXPECT_EQ(status(), "Questions: 41");
}

TEST_F(QuizComposerWindow, TheStatusLineFollowsEveryChangeUpTo240)
{
    setAllCounts("0");
    ComposerUnderTest& window = openComposer();
    int total = 0;
    for (SpinCounter* counter : window.SpinEdits()) {
        counter->setText("20");
        total += 20;
        EXPECT_EQ(status(), QString("Questions: %1").arg(total));
    }
    window.SpinEdit5->setText("77");
    EXPECT_EQ(window.SpinEdit5->text(), "20");
    EXPECT_EQ(status(), "Questions: 240");
}

TEST_F(QuizComposerWindow, ClosingStoresWhatIsShown)
{
    storeCount(1, "25");
    storeCount(3, "abc");
    ComposerUnderTest& window = openComposer();
    QTest::keyClick(window.SpinEdit2, Qt::Key_Up);
    QTest::keyClick(window.SpinEdit12, Qt::Key_Up);
    QTest::keyClick(window.SpinEdit12, Qt::Key_Up);
    store->WriteString("Quiz", "SpinEdit4", "written meanwhile");
    window.close();
    const std::vector<std::string> expected = {"20", "1", "0", "0", "10", "10", "10", "10", "0", "0", "0", "2"};
    for (int number = 1; number <= 12; ++number)
        EXPECT_EQ(storedCount(number), expected[number - 1]) << number;
}

TEST_F(QuizComposerWindow, AShortPackGivesOneBoxAndTheStoredCountsSurviveClosing)
{
    const std::vector<std::string> counts = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"};
    for (int number = 1; number <= 12; ++number)
        storeCount(number, counts[number - 1]);
    std::vector<std::string> lines;
    while (lines.size() < 67)
        lines.push_back(pack->Get(static_cast<int>(lines.size())));
    QTemporaryDir folder;
    for (const int kept : {14, 22, 23}) {
        SCOPED_TRACE(kept);
        const std::string path = folder.filePath(QString("pack%1.lng").arg(kept)).toStdString();
        std::ofstream file(path, std::ios::binary);
        for (int line = 0; line < kept; ++line)
            file << lines[static_cast<std::size_t>(line)] << "\r\n";
        file.close();
        pack->Load(path);
        dialogs->errors.clear();

        ComposerUnderTest& window = openComposer();
        EXPECT_EQ(dialogs->errors.size(), 1) << dialogs->errors.join("; ").toStdString();
        EXPECT_EQ(window.SpinEdit12->text(), "12") << "the counts are shown all the same";
        window.close();
        for (int number = 1; number <= 12; ++number)
            EXPECT_EQ(storedCount(number), counts[number - 1]) << number;
    }
}

TEST_F(QuizComposerWindow, EscapeClosesAndStoresToo)
{
    ComposerUnderTest& window = openComposer();
    QTest::keyClick(window.SpinEdit9, Qt::Key_Up);
    QTest::keyClick(window.SpinEdit9, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(storedCount(9), "1");
}

TEST_F(QuizComposerWindow, TheFirstRunDefaultsGiveFortyLevelTwoQuestionsInCellOrder)
{
    SeededRandom seeded(2024);
    ComposerUnderTest& window = openComposer(&seeded);
    EXPECT_EQ(status(), "Questions: 40");
    QTest::keyClick(window.SpinEdit1, Qt::Key_Return);
    ASSERT_EQ(window.documents.size(), 1u) << "Enter presses the compose button";
    const Lines& lines = window.documents[0];
    ASSERT_EQ(lines.size(), 40u * 3 - 1);

    const std::regex questionPattern(R"((\d+)-\) (\d\d) ([-+x:]) (\d) = \?)");
    const std::regex choicesPattern(R"(a\)\d+  b\)\d+  c\)\d+  d\)\d+)");
    std::set<std::string> questions;
    for (int number = 1; number <= 40; ++number) {
        const std::string& line = lines[3 * (number - 1)];
        std::smatch parts;
        ASSERT_TRUE(std::regex_match(line, parts, questionPattern)) << line;
        EXPECT_EQ(parts[1], std::to_string(number));
        EXPECT_EQ(parts[3], std::string(1, "+-x:"[(number - 1) / 10])) << line;
        EXPECT_TRUE(std::regex_match(lines[3 * (number - 1) + 1], choicesPattern)) << lines[3 * (number - 1) + 1];
        if (number < 40) {
            EXPECT_EQ(lines[3 * (number - 1) + 2], "");
        }
        questions.insert(line.substr(line.find('-')));
    }
    EXPECT_EQ(questions.size(), 40u);
    EXPECT_EQ(window.documentTexts[0].substr(window.documentTexts[0].size() - 2), "\r\n");
}

TEST_F(QuizComposerWindow, TwentyDivisionsAtLevelOneAreTwentyOfTheTwentyThree)
{
    setAllCounts("0");
    storeCount(4, "20");
    SeededRandom seeded(99);
    ComposerUnderTest& window = openComposer(&seeded);
    window.Button1->click();
    ASSERT_EQ(window.documents.size(), 1u);
    const Lines& lines = window.documents[0];
    ASSERT_EQ(lines.size(), 59u);
    std::set<std::pair<int, int>> divisions;
    for (std::size_t at = 0; at < lines.size(); at += 3) {
        int number = 0, a = 0, b = 0;
        ASSERT_EQ(std::sscanf(lines[at].c_str(), "%d-) %d : %d = ?", &number, &a, &b), 3) << lines[at];
        EXPECT_EQ(number, static_cast<int>(at / 3 + 1));
        EXPECT_TRUE(a >= b && a <= 9 && b >= 1 && a % b == 0) << lines[at];
        divisions.insert({a, b});
    }
    EXPECT_EQ(divisions.size(), 20u) << "each question once";
}

TEST_F(QuizComposerWindow, ADuplicateUsesNoNumberAndTheLastLineIsAChoicesLine)
{
    setAllCounts("0");
    storeCount(1, "3");
    ComposerUnderTest& window = openComposer();
    scriptAddition(3, 5);
    scriptAddition(3, 5);
    scriptAddition(4, 4);
    scriptAddition(4, 4);
    scriptAddition(5, 4);
    window.Button1->click();
    EXPECT_TRUE(random->exhausted());
    ASSERT_EQ(window.documents.size(), 1u);
    EXPECT_EQ(window.documents[0], (Lines{"1-) 3 + 5 = ?", "a)8  b)2  c)3  d)4", "", "2-) 4 + 4 = ?",
                                          "a)8  b)2  c)3  d)4", "", "3-) 5 + 4 = ?", "a)9  b)2  c)3  d)4"}));
    EXPECT_EQ(window.documentTexts[0], "1-) 3 + 5 = ?\r\na)8  b)2  c)3  d)4\r\n\r\n2-) 4 + 4 = ?\r\n"
                                       "a)8  b)2  c)3  d)4\r\n\r\n3-) 5 + 4 = ?\r\na)9  b)2  c)3  d)4\r\n");
}

TEST_F(QuizComposerWindow, ComposingTwiceGivesTwoIndependentQuizzes)
{
    setAllCounts("0");
    storeCount(1, "1");
    ComposerUnderTest& window = openComposer();
    scriptAddition(3, 5);
    window.Button1->click();
    scriptAddition(3, 5);
    window.Button1->click();
    EXPECT_TRUE(random->exhausted()) << "the second quiz does not reject the first one's question";
    ASSERT_EQ(window.documents.size(), 2u);
    EXPECT_EQ(window.documents[1], (Lines{"1-) 3 + 5 = ?", "a)8  b)2  c)3  d)4"}));
    EXPECT_EQ(window.SpinEdit1->text(), "1") << "composing leaves the counts";
}

TEST_F(QuizComposerWindow, NoQuestionsGiveAnEmptyDocumentWindow)
{
    setAllCounts("0");
    ComposerUnderTest& window = openComposer();
    window.Button1->click();
    ASSERT_EQ(window.documentTexts.size(), 1u);
    EXPECT_EQ(window.documentTexts[0], "");
    EXPECT_TRUE(random->ranges.empty());
}

} // namespace
