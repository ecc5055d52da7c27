#include "SettingsWindowFixture.h"

#include "ColorSwatch.h"
#include "OvoWallPaperBMP.h"
#include "PathBox.h"
#include "PathText.h"
#include "ProgramDirectory.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

namespace {

class SettingsChoices : public SettingsWindowFixture {
protected:
    TForm4& openQuietly()
    {
        TForm4& window = openSettings();
        sounds->played.clear();
        return window;
    }
};

TEST_F(SettingsChoices, PlayButtonsPlayTheirRowWhateverTheStoredSwitchSays)
{
    setInterface("Play Sounds", "No");
    TForm4& window = openQuietly();
    window.RadioButton3->click();
    window.SpeedButton3->click();
    window.SpeedButton6->click();
    EXPECT_EQ(sounds->played, (std::vector<std::string>{mediaFile("fall.wav"), mediaFile("next.wav")}));

    dialogs->openAnswers.push_back(QString("/nowhere/gone.wav"));
    window.Button3->click();
    window.SpeedButton1->click();
    EXPECT_EQ(sounds->played.back(), "/nowhere/gone.wav") << "a missing file is passed on as it is";
    EXPECT_TRUE(dialogs->errors.isEmpty());
}

TEST_F(SettingsChoices, EachBrowseButtonStartsAtItsBoxWithItsFileType)
{
    TForm4& window = openQuietly();
    const std::vector<std::tuple<QPushButton*, PathBox*, QString>> rows = {
        {window.Button1, window.Edit2, "Bitmap pictures (*.bmp)|*.bmp"},
        {window.Button2, window.Edit3, "Language packs (*.lng)|*.lng"},
        {window.Button3, window.Edit4, "Wave sounds (*.wav)|*.wav"},
        {window.Button8, window.Edit9, "Wave sounds (*.wav)|*.wav"},
    };
    const QImage preview = window.OvoWallPaperBMP1->Bitmap();
    for (const auto& [browse, box, filter] : rows) {
        SCOPED_TRACE(browse->objectName().toStdString());
        const QString before = box->text();
        browse->click();
        ASSERT_FALSE(dialogs->openRequests.empty());
        const FileDialogRequest& request = dialogs->openRequests.back();
        EXPECT_EQ(request.fileName, before);
        EXPECT_EQ(request.folder, CALCORA_MEDIA_DIR);
        EXPECT_EQ(request.filter, filter);
        EXPECT_EQ(box->text(), before) << "a cancelled dialog changes nothing";
        EXPECT_EQ(box->toolTip(), before);
    }
    EXPECT_EQ(dialogs->openRequests.size(), rows.size()) << "one dialog per click";
    EXPECT_EQ(window.OvoWallPaperBMP1->Bitmap(), preview);
    EXPECT_EQ(window.SpeedButton1->toolTip(), "Play wind.wav");
}

TEST_F(SettingsChoices, ABrowsedFileFillsItsBoxAsChosenOrInLowerCaseWhereCaseIsIgnored)
{
    TForm4& window = openQuietly();
    dialogs->openAnswers.push_back(QString("/Other Folder/Wrong Answer.wav"));
    window.Button6->click();
    EXPECT_EQ(window.Edit7->path(), "/Other Folder/Wrong Answer.wav");
    EXPECT_EQ(window.Edit7->toolTip(), "/Other Folder/Wrong Answer.wav");
    EXPECT_EQ(window.SpeedButton4->toolTip(), "Play Wrong Answer.wav");

    ScopedFileNameCase windowsRule(true);
    dialogs->openAnswers.push_back(QString("/Other Folder/Right Answer.wav"));
    window.Button7->click();
    EXPECT_EQ(window.Edit8->path(), "/other folder/right answer.wav");
    EXPECT_EQ(window.Edit8->toolTip(), "/other folder/right answer.wav");
    EXPECT_EQ(window.SpeedButton5->toolTip(), "Play Right Answer.wav") << "the name as chosen";
}

TEST_F(SettingsChoices, ABrowsedBackgroundShowsInThePreviewButNotYetInTheMainWindow)
{
    MainWindowControls& mainControls = createWindow();
    const QImage background = mainControls.OvoWallPaperBMP1->Bitmap();
    TForm4& window = openQuietly();
    dialogs->openAnswers.push_back(QString::fromStdString(writeBitmap("blue.bmp", Qt::blue)));
    window.Button1->click();
    EXPECT_EQ(window.Edit2->path(), temporaryPath("blue.bmp"));
    EXPECT_EQ(window.OvoWallPaperBMP1->Bitmap().pixelColor(0, 0), QColor(Qt::blue));
    EXPECT_EQ(window.OvoWallPaperBMP1->grab().toImage().pixelColor(100, 30), QColor(Qt::blue));
    EXPECT_EQ(mainControls.OvoWallPaperBMP1->Bitmap(), background);

    const QImage preview = window.OvoWallPaperBMP1->Bitmap();
    dialogs->openAnswers.push_back(QString::fromStdString(mediaFile("english.lng")));
    window.Button1->click();
    EXPECT_EQ(dialogs->errors, QStringList{"Bitmap image is not valid."});
    EXPECT_EQ(window.Edit2->path(), mediaFile("english.lng")) << "the box already holds the new path";
    EXPECT_EQ(window.OvoWallPaperBMP1->Bitmap(), preview);
}

TEST_F(SettingsChoices, PlayTooltipsSayPlayAfterABrowseAndUseThePackAfterReopening)
{
    setInterface("Language Pack", writePack({{40, "Listen to"}}));
    TForm4& window = openQuietly();
    EXPECT_EQ(window.SpeedButton3->toolTip(), "Listen to fall.wav");
    dialogs->openAnswers.push_back(QString("/sounds/thud.wav"));
    window.Button5->click();
    EXPECT_EQ(window.SpeedButton3->toolTip(), "Play thud.wav");
    window.BitBtn1->click();
    EXPECT_EQ(reopenSettings().SpeedButton3->toolTip(), "Listen to thud.wav");
}

TEST_F(SettingsChoices, AColourStartsAtItsSwatchAndTheSampleMovesUnderThePair)
{
    TForm4& window = openQuietly();
    const auto writes = store->writes().size();
    dialogs->colorAnswers.push_back(QColor(10, 20, 30));
    QTest::mouseClick(window.Panel6, Qt::LeftButton);
    ASSERT_EQ(dialogs->colorRequests.size(), 1u);
    EXPECT_EQ(dialogs->colorRequests.back(), QColor(0, 0, 0));
    EXPECT_EQ(window.Panel6->color(), 0x001E140Au);
    EXPECT_EQ(window.Label13->pos(), QPoint(185, 289));
    EXPECT_EQ(window.Label14->pos(), QPoint(187, 291));
    EXPECT_EQ(textColor(window.Label13), QColor(0, 255, 0)) << "the pair's foreground";
    EXPECT_EQ(textColor(window.Label14), QColor(10, 20, 30)) << "the pair's background";

    QTest::mouseClick(window.Panel7, Qt::LeftButton);
    EXPECT_EQ(dialogs->colorRequests.back(), QColor(255, 0, 0));
    EXPECT_EQ(window.Panel7->color(), 0x000000FFu) << "a cancelled dialog changes nothing";
    EXPECT_EQ(window.Label13->x(), 185);

    dialogs->colorAnswers.push_back(QColor(255, 255, 0));
    QTest::mouseClick(window.Panel3, Qt::LeftButton);
    EXPECT_EQ(window.Label13->pos(), QPoint(121, 289));
    EXPECT_EQ(window.Label14->pos(), QPoint(123, 291));
    EXPECT_EQ(textColor(window.Label13), QColor(255, 255, 0));
    EXPECT_EQ(textColor(window.Label14), QColor(0, 0, 0));
    EXPECT_EQ(store->writes().size(), writes) << "picking colours writes nothing";
    settingsScreenshot("3-chosen-colours");
}

TEST_F(SettingsChoices, DefaultsFillTheControlsAndWriteNothing)
{
    setInterface("Animated Buttons", "No");
    setInterface("Play Sounds", "No");
    setInterface("Wrong Background Color", "clNavy");
    TForm4& window = openQuietly();
    window.Edit1->setText("My own title");
    dialogs->openAnswers.push_back(QString::fromStdString(writeBitmap("blue.bmp", Qt::blue)));
    window.Button1->click();
    dialogs->colorAnswers.push_back(QColor(1, 2, 3));
    QTest::mouseClick(window.Panel8, Qt::LeftButton);
    const auto writes = store->writes().size();

    window.Button9->click();
    EXPECT_TRUE(dialogs->errors.isEmpty()) << dialogs->errors.join("\n").toStdString();
    EXPECT_EQ(window.Edit1->text(), "Calcora 2.01");
    EXPECT_EQ(window.Edit1->toolTip(), "Calcora 2.01");
    EXPECT_TRUE(window.RadioButton1->isChecked());
    EXPECT_TRUE(window.RadioButton3->isChecked());
    EXPECT_TRUE(window.Edit4->isEnabled()) << "the sound rows follow the switch";
    EXPECT_EQ(window.Edit2->path(), programFile("bg.bmp"));
    EXPECT_EQ(window.Edit2->toolTip().toStdString(), programFile("bg.bmp"));
    EXPECT_EQ(window.OvoWallPaperBMP1->Bitmap(), QImage(QString::fromStdString(programFile("bg.bmp")), "BMP"));
    EXPECT_EQ(window.Edit3->path(), programFile("english.lng"));
    const std::vector<std::pair<PathBox*, std::string>> sounds = {
        {window.Edit4, "wind.wav"}, {window.Edit5, "elevator.wav"}, {window.Edit6, "fall.wav"},
        {window.Edit7, "wrong.wav"}, {window.Edit8, "correct.wav"}, {window.Edit9, "next.wav"}};
    for (const auto& [box, name] : sounds) {
        EXPECT_EQ(box->path(), programFile(name));
        EXPECT_EQ(box->toolTip().toStdString(), programFile(name));
    }
    EXPECT_EQ(window.SpeedButton1->toolTip(), "Play wind.wav");
    EXPECT_EQ(window.SpeedButton6->toolTip(), "Play next.wav");
    const std::vector<TColor> colors = {window.Panel3->color(), window.Panel4->color(), window.Panel5->color(),
                                        window.Panel6->color(), window.Panel7->color(), window.Panel8->color()};
    EXPECT_EQ(colors, (std::vector<TColor>{0x00FFFFFF, 0, 0x0000FF00, 0, 0x000000FF, 0}));
    EXPECT_EQ(window.Label13->x(), 121) << "the sample is back under the text pair";
    EXPECT_EQ(window.Label14->x(), 123);
    EXPECT_EQ(textColor(window.Label13), QColor(255, 255, 255));
    EXPECT_EQ(textColor(window.Label14), QColor(0, 0, 0));
    EXPECT_EQ(store->writes().size(), writes) << "nothing is written before OK";
}

TEST_F(SettingsChoices, DefaultsStopAtTheBackgroundWhenItCannotBeLoaded)
{
    // Under the rule of a file system that ignores case, the defaults name this test's program
    // folder in lower case; the folder's name has a capital, and this file system tells case
    // apart, so the default background is not found there.
    ScopedFileNameCase windowsRule(true);
    const std::string lowerFolder = lowerCaseLetters(programDirectory());
    ASSERT_NE(lowerFolder, programDirectory());
    if (fileExists(joinProgramPath(lowerFolder, "bg.bmp")))
        GTEST_SKIP() << "this file system ignores case itself";
    const std::string pack = lowerCaseCopy("english.lng");
    setInterface("Language Pack", pack);
    setInterface("Play Sounds", "No");
    TForm4& window = openQuietly();
    dialogs->colorAnswers.push_back(QColor(1, 2, 3));
    QTest::mouseClick(window.Panel4, Qt::LeftButton);

    window.Button9->click();
    const std::string background = joinProgramPath(lowerFolder, "bg.bmp");
    EXPECT_EQ(dialogs->errors, QStringList{QString::fromStdString("Cannot open file " + background + ".")});
    EXPECT_EQ(window.Edit1->text(), "Calcora 2.01") << "the steps before it ran";
    EXPECT_EQ(window.Edit2->path(), background);
    EXPECT_EQ(window.Edit3->path(), pack) << "the later rows keep their values";
    EXPECT_TRUE(window.RadioButton4->isChecked());
    // As the window showed it when it opened: in lower case, under this rule.
    EXPECT_EQ(window.Edit4->path(), lowerCaseLetters(mediaFile("wind.wav")));
    EXPECT_EQ(window.Panel4->color(), 0x00030201u);
}

} // namespace
