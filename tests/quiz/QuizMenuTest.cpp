// The composer opened from the main window's menu as the program does it: modal windows,
// found while they run and closed from a timer.

#include "MenuWindows.h"
#include "QuizFixture.h"
#include "SpinCounter.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <functional>

namespace {

using Lines = std::vector<std::string>;

class QuizFromTheMenu : public QuizFixture {
protected:
    // Once the next modal window runs, hands it to `look` and closes it.
    static void whenModal(std::function<void(QWidget*)> look)
    {
        QTimer::singleShot(0, [look] {
            QWidget* modal = QApplication::activeModalWidget();
            look(modal);
            if (modal)
                modal->close();
        });
    }
};

TEST_F(QuizFromTheMenu, TheMenuItemOpensTheComposerWhichOpensTheDocument)
{
    setInterface("Animated Buttons", "No");
    MainWindowControls& mainControls = createWindow();
    EXPECT_FALSE(mainControls.GenerateaQuiz1->isEnabled()) << "no window attached yet";
    attachMenuWindows(*mainWindow, services());
    ASSERT_TRUE(mainControls.GenerateaQuiz1->isEnabled());
    mainControls.Button1->click();
    random->script({6, 4, 0, 0, 0, 1, 1, 2, 2});
    mainControls.Button5->click();
    ASSERT_EQ(mainControls.Label1->text(), "7 + 5 = ?");

    store->WriteString("Quiz", "SpinEdit1", "0");
    bool composerSeen = false;
    bool documentSeen = false;
    whenModal([&](QWidget* modal) {
        auto* composer = qobject_cast<TForm2*>(modal);
        ASSERT_NE(composer, nullptr);
        composerSeen = true;
        EXPECT_EQ(composer->parentWidget(), mainWindow.get());
        EXPECT_EQ(composer->windowTitle(), "Make a Quiz");
        for (SpinCounter* counter : composer->SpinEdits())
            counter->setText("0");
        composer->SpinEdit1->stepBy(1);
        whenModal([&](QWidget* inner) {
            auto* document = qobject_cast<TForm3*>(inner);
            ASSERT_NE(document, nullptr);
            documentSeen = true;
            EXPECT_EQ(document->parentWidget(), composer);
            EXPECT_TRUE(composer->isVisible()) << "the composer stays open beneath";
            EXPECT_EQ(document->Memo1->toPlainText(), "1-) 3 + 5 = ?\na)8  b)2  c)3  d)4\n");
        });
        scriptAddition(3, 5);
        composer->Button1->click();
    });
    mainControls.GenerateaQuiz1->trigger();

    EXPECT_TRUE(composerSeen);
    EXPECT_TRUE(documentSeen);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(store->ReadString("Quiz", "SpinEdit1", ""), "1");
    EXPECT_EQ(store->ReadString("Quiz", "SpinEdit6", ""), "0");
    EXPECT_TRUE(random->exhausted()) << "the composer drew only its one question";
    EXPECT_EQ(mainControls.Label1->text(), "7 + 5 = ?") << "the drill's question stands";
    mainControls.Button8->click();
    EXPECT_EQ(mainControls.Label1->text(), "7 + 5 = 12") << "and is judged as it was asked";
}

TEST_F(QuizFromTheMenu, EachOpeningReadsTheStoredCountsAfresh)
{
    MainWindowControls& mainControls = createWindow();
    attachMenuWindows(*mainWindow, services());
    whenModal([](QWidget* modal) {
        auto* composer = qobject_cast<TForm2*>(modal);
        ASSERT_NE(composer, nullptr);
        composer->SpinEdit3->setText("17");
    });
    mainControls.GenerateaQuiz1->trigger();
    whenModal([](QWidget* modal) {
        auto* composer = qobject_cast<TForm2*>(modal);
        ASSERT_NE(composer, nullptr);
        EXPECT_EQ(composer->SpinEdit3->text(), "17");
        EXPECT_EQ(composer->StatusText->text(), "Questions: 57");
    });
    mainControls.GenerateaQuiz1->trigger();
}

} // namespace
