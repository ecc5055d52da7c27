#include "SettingsWindowFixture.h"

#include "ColorSwatch.h"
#include "OvoWallPaperBMP.h"
#include "PathBox.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <functional>

namespace {

using Strings = std::vector<std::string>;

class SettingsSaving : public SettingsWindowFixture {
protected:
    // The main window on its level menu or its operation menu, reached without animation.
    MainWindowControls& mainWindowOnLevelMenu()
    {
        setInterface("Animated Buttons", "No");
        MainWindowControls& mainControls = createWindow();
        mainControls.Button1->click();
        EXPECT_FALSE(mainControls.operationMenuInView());
        return mainControls;
    }
    MainWindowControls& mainWindowOnOperationMenu()
    {
        setInterface("Animated Buttons", "No");
        MainWindowControls& mainControls = createWindow();
        EXPECT_TRUE(mainControls.operationMenuInView());
        return mainControls;
    }

    // A pack that says everything the main window re-captions in other words.
    void chooseOtherPack(TForm4& window)
    {
        dialogs->openAnswers.push_back(QString::fromStdString(writePack(
            {{4, "Plus"}, {8, "More"}, {9, "Quiz"}, {10, "Options"}, {13, "Stage"}, {14, "Pick one:"}})));
        window.Button2->click();
    }

    Strings writesSince(std::size_t first) const
    {
        return {store->writes().begin() + static_cast<std::ptrdiff_t>(first), store->writes().end()};
    }
};

TEST_F(SettingsSaving, OkWithoutChangesStoresWhatWasShownWithColourNames)
{
    setInterface("Animated Buttons", "yes");
    setInterface("Correct Background Color", "$00123456");
    setInterface("Wrong Background Color", "clbtnface");
    TForm4& window = openSettings();
    const auto before = store->writes().size();
    window.BitBtn1->click();

    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(dialogs->errors.isEmpty()) << dialogs->errors.join("\n").toStdString();
    EXPECT_EQ(writesSince(before), (Strings{"Interface/Caption", "Interface/Animated Buttons",
        "Interface/Play Sounds", "Interface/Background Image", "Interface/Language Pack",
        "Interface/Sound1", "Interface/Sound2", "Interface/Sound3", "Interface/Sound4",
        "Interface/Sound5", "Interface/Sound6", "Interface/Text Foreground Color",
        "Interface/Text Background Color", "Interface/Correct Foreground Color",
        "Interface/Correct Background Color", "Interface/Wrong Foreground Color",
        "Interface/Wrong Background Color"}));
    EXPECT_EQ(interfaceValue("Caption"), "Calcora 2.01");
    EXPECT_EQ(interfaceValue("Animated Buttons"), "Yes");
    EXPECT_EQ(interfaceValue("Play Sounds"), "Yes");
    EXPECT_EQ(interfaceValue("Background Image"), mediaFile("bg.bmp"));
    EXPECT_EQ(interfaceValue("Sound6"), mediaFile("next.wav"));
    EXPECT_EQ(interfaceValue("Text Foreground Color"), "clWhite");
    EXPECT_EQ(interfaceValue("Text Background Color"), "clBlack");
    EXPECT_EQ(interfaceValue("Correct Foreground Color"), "clLime");
    EXPECT_EQ(interfaceValue("Wrong Foreground Color"), "clRed");
    EXPECT_EQ(interfaceValue("Correct Background Color"), "$00123456");
    EXPECT_EQ(interfaceValue("Wrong Background Color"), "clBtnFace") << "a scheme colour keeps its name";
}

TEST_F(SettingsSaving, AnEmptyTitleIsSavedAsOneSpace)
{
    createWindow();
    TForm4& window = openSettings();
    window.Edit1->clear();
    window.BitBtn1->click();
    EXPECT_EQ(interfaceValue("Caption"), " ");
    EXPECT_EQ(mainWindow->windowTitle(), " ");
}

TEST_F(SettingsSaving, EnterInTheTitleBoxMeansOk)
{
    createWindow();
    TForm4& window = openSettings();
    window.Edit1->setText("Sums with Sam");
    QTest::keyClick(window.Edit1, Qt::Key_Return);
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_EQ(interfaceValue("Caption"), "Sums with Sam");
    EXPECT_EQ(mainWindow->windowTitle(), "Sums with Sam");
}

TEST_F(SettingsSaving, OkAppliesTitleBackgroundAndDescriptionColoursAtOnce)
{
    MainWindowControls& mainControls = mainWindowOnLevelMenu();
    TForm4& window = openSettings();
    window.Edit1->setText("Sums");
    window.RadioButton1->click();
    window.RadioButton4->click();
    dialogs->openAnswers.push_back(QString::fromStdString(writeBitmap("blue.bmp", Qt::blue)));
    window.Button1->click();
    dialogs->colorAnswers = {QColor(255, 255, 0), QColor(0, 0, 128), QColor(1, 2, 3)};
    QTest::mouseClick(window.Panel3, Qt::LeftButton);
    QTest::mouseClick(window.Panel4, Qt::LeftButton);
    QTest::mouseClick(window.Panel7, Qt::LeftButton);
    window.BitBtn1->click();

    EXPECT_TRUE(dialogs->errors.isEmpty()) << dialogs->errors.join("\n").toStdString();
    EXPECT_EQ(mainWindow->windowTitle(), "Sums");
    EXPECT_EQ(mainControls.OvoWallPaperBMP1->grab().toImage().pixelColor(200, 100), QColor(Qt::blue));
    EXPECT_EQ(textColor(mainControls.Label4), QColor(255, 255, 0));
    EXPECT_EQ(textColor(mainControls.Label5), QColor(0, 0, 128));
    EXPECT_EQ(interfaceValue("Background Image"), temporaryPath("blue.bmp"));
    EXPECT_EQ(interfaceValue("Animated Buttons"), "Yes");
    EXPECT_EQ(interfaceValue("Play Sounds"), "No");
    EXPECT_EQ(interfaceValue("Text Foreground Color"), "clYellow");
    EXPECT_EQ(interfaceValue("Text Background Color"), "clNavy");
    EXPECT_EQ(interfaceValue("Wrong Foreground Color"), "$00030201");
}

TEST_F(SettingsSaving, OkOnTheLevelMenuRecaptionsTheLevelScreenOnly)
{
    MainWindowControls& mainControls = mainWindowOnLevelMenu();
    TForm4& window = openSettings();
    chooseOtherPack(window);
    window.BitBtn1->click();

    EXPECT_TRUE(dialogs->errors.isEmpty()) << dialogs->errors.join("\n").toStdString();
    EXPECT_EQ(pack->Get(4), "Plus");
    EXPECT_EQ(mainControls.GenerateaQuiz1->text(), "&Quiz...");
    EXPECT_EQ(mainControls.Settings1->text(), "&Options...");
    EXPECT_EQ(mainControls.Button5->text(), "Stage &1");
    EXPECT_EQ(mainControls.Button7->text(), "Stage &3");
    EXPECT_EQ(mainControls.Label4->text(),
              "Pick one:\n\nStage 1: one-digit numbers\nStage 2: two-digit and one-digit\n"
              "Stage 3: two-digit numbers");
    EXPECT_EQ(mainControls.Label4->width(), 225);
    EXPECT_EQ(mainControls.Label5->text(), mainControls.Label4->text());
    EXPECT_EQ(mainControls.Label5->width(), 225);
    EXPECT_EQ(mainControls.Button1->text(), "Addition (+)") << "until the operation menu is next laid out";
    EXPECT_EQ(mainControls.BitBtn1->text(), "Menu");
}

TEST_F(SettingsSaving, OkOnTheOperationMenuRecaptionsTheOperationButtonsOnly)
{
    MainWindowControls& mainControls = mainWindowOnOperationMenu();
    TForm4& window = openSettings();
    chooseOtherPack(window);
    window.BitBtn1->click();

    EXPECT_EQ(mainControls.Settings1->text(), "&Options...");
    EXPECT_EQ(mainControls.Button1->text(), "Plus (+)");
    EXPECT_EQ(mainControls.Button2->text(), "Subtraction (-)");
    EXPECT_EQ(mainControls.BitBtn1->text(), "More");
    EXPECT_EQ(mainControls.Button5->text(), "Level &1") << "until the level menu is next laid out";
    EXPECT_TRUE(mainControls.Label4->text().isEmpty());
}

// OK writes every value in one replace of the store, so a crash leaves the old settings or the
// new ones; a background that is no picture is then reported, and the other changes still
// take effect.
TEST_F(SettingsSaving, OkWritesEverythingAtOnceAndABadPictureStopsNothingElse)
{
    MainWindowControls& mainControls = createWindow();
    const QImage background = mainControls.OvoWallPaperBMP1->Bitmap();
    TForm4& window = openSettings();
    window.Edit1->setText("Sums");
    dialogs->openAnswers.push_back(QString::fromStdString(mediaFile("english.lng")));
    window.Button1->click();
    chooseOtherPack(window);
    dialogs->errors.clear();
    const auto before = store->writes().size();
    const int replacesBefore = store->replaces();
    window.BitBtn1->click();

    EXPECT_EQ(store->replaces(), replacesBefore + 1) << "one replace for every value";
    EXPECT_EQ(writesSince(before).size(), 17u);
    EXPECT_EQ(dialogs->errors, QStringList{"Bitmap image is not valid."});
    EXPECT_EQ(interfaceValue("Background Image"), mediaFile("english.lng"));
    EXPECT_NE(interfaceValue("Language Pack"), mediaFile("english.lng"));
    EXPECT_EQ(mainWindow->windowTitle(), "Sums");
    EXPECT_EQ(mainControls.OvoWallPaperBMP1->Bitmap(), background) << "the old picture stays";
    EXPECT_EQ(mainControls.Settings1->text(), "&Options...") << "the language still changes";
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(SettingsSaving, APackThatCannotBeOpenedLeavesTheListEmptyAfterEveryValueIsWritten)
{
    MainWindowControls& mainControls = createWindow();
    TForm4& window = openSettings();
    dialogs->openAnswers.push_back(QString("/nowhere/gone.lng"));
    window.Button2->click();
    dialogs->colorAnswers.push_back(QColor(0, 0, 255));
    QTest::mouseClick(window.Panel8, Qt::LeftButton);
    window.BitBtn1->click();

    EXPECT_EQ(dialogs->errors, QStringList{"Cannot open file /nowhere/gone.lng."});
    EXPECT_EQ(interfaceValue("Language Pack"), "/nowhere/gone.lng");
    EXPECT_EQ(interfaceValue("Wrong Background Color"), "clBlue");
    EXPECT_EQ(pack->Count(), 0);
    EXPECT_EQ(mainControls.Settings1->text(), "&Settings...") << "the captions stay as they were";
    EXPECT_FALSE(window.isVisible());
}

TEST_F(SettingsSaving, CancelEscAndTheCloseBoxLeaveStoreAndMainWindowAsTheyWere)
{
    MainWindowControls& mainControls = mainWindowOnLevelMenu();
    const auto values = interfaceValues();
    const auto writes = store->writes().size();
    const QString title = mainWindow->windowTitle();
    const QImage background = mainControls.OvoWallPaperBMP1->Bitmap();
    const QString description = mainControls.Label4->text();
    const QColor descriptionColor = textColor(mainControls.Label4);
    const QColor shadowColor = textColor(mainControls.Label5);

    const std::vector<std::pair<const char*, std::function<void(TForm4&)>>> ways = {
        {"Cancel", [](TForm4& window) { window.BitBtn2->click(); }},
        {"Esc", [](TForm4& window) { QTest::keyClick(&window, Qt::Key_Escape); }},
        {"close box", [](TForm4& window) { window.close(); }},
    };
    for (const auto& [way, close] : ways) {
        SCOPED_TRACE(way);
        TForm4& window = reopenSettings();
        window.Edit1->setText("Not saved");
        chooseOtherPack(window);
        dialogs->colorAnswers.push_back(QColor(9, 9, 9));
        QTest::mouseClick(window.Panel3, Qt::LeftButton);
        window.Button9->click();
        close(window);

        EXPECT_EQ(window.result(), QDialog::Rejected);
        EXPECT_FALSE(window.isVisible());
        EXPECT_EQ(interfaceValues(), values);
        EXPECT_EQ(store->writes().size(), writes);
        EXPECT_EQ(mainWindow->windowTitle(), title);
        EXPECT_EQ(mainControls.OvoWallPaperBMP1->Bitmap(), background);
        EXPECT_EQ(mainControls.Label4->text(), description);
        EXPECT_EQ(textColor(mainControls.Label4), descriptionColor);
        EXPECT_EQ(textColor(mainControls.Label5), shadowColor);
        EXPECT_EQ(mainControls.Settings1->text(), "&Settings...");
        EXPECT_EQ(pack->Get(4), "Addition");
    }
    EXPECT_TRUE(dialogs->errors.isEmpty()) << dialogs->errors.join("\n").toStdString();
}

} // namespace
