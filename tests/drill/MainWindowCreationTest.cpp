#include "MainWindowFixture.h"
#include "OvoWallPaperBMP.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <QTemporaryDir>

#include "DisplayText.h"

#include <fstream>

namespace {

using MainWindowCreation = MainWindowFixture;

TEST_F(MainWindowCreation, BuildsTheFixedWindowWithEveryNamedControl)
{
    createWindow();
    EXPECT_EQ(mainWindow->objectName(), "Form1");
    EXPECT_EQ(mainWindow->windowTitle(), "Calcora 2.01");
    EXPECT_EQ(mainWindow->size(), QSize(360, 165));
    EXPECT_EQ(mainWindow->minimumSize(), mainWindow->maximumSize()) << "the size is fixed";
    EXPECT_FALSE(mainWindow->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(mainWindow->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(pack->Count(), kPackLinesKnown);
    EXPECT_TRUE(dialogs->errors.isEmpty()) << dialogs->errors.join("\n").toStdString();

    for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7"})
        EXPECT_NE(mainWindow->findChild<QLabel*>(name), nullptr) << name;
    for (int number = 1; number <= 13; ++number) {
        const QString name = QString("Button%1").arg(number);
        EXPECT_NE(mainWindow->findChild<QPushButton*>(name), nullptr) << name.toStdString();
    }
    for (const char* name : {"Timer1", "Timer2", "Timer3", "Sound"})
        EXPECT_NE(mainWindow->findChild<QTimer*>(name), nullptr) << name;
    for (const char* name : {"GenerateaQuiz1", "Settings1", "CheckforUpdate1", "About1"})
        EXPECT_NE(mainWindow->findChild<QAction*>(name), nullptr) << name;
    EXPECT_NE(mainWindow->findChild<TOvoWallPaperBMP*>("OvoWallPaperBMP1"), nullptr);
    EXPECT_NE(mainWindow->findChild<QPushButton*>("BitBtn1"), nullptr);
    EXPECT_NE(mainWindow->findChild<QMenu*>("PopupMenu1"), nullptr);
}

TEST_F(MainWindowCreation, PlacesControlsAsDesignedAndStacksButtonsAboveLabels)
{
    MainWindowControls& window = createWindow();
    EXPECT_EQ(window.Button8->geometry(), QRect(16, 48, 70, 60));
    EXPECT_EQ(window.Button11->geometry(), QRect(274, 48, 70, 60));
    EXPECT_EQ(window.Button12->geometry(), QRect(274, 128, 70, 25));
    EXPECT_EQ(window.Button13->geometry(), QRect(16, 128, 70, 25));
    EXPECT_EQ(window.Button5->geometry(), QRect(20, -30, 100, 25));
    EXPECT_EQ(window.Button8->font().pixelSize(), 24);
    EXPECT_EQ(window.Label1->font().pixelSize(), 19);
    EXPECT_EQ(window.Label2->font().pixelSize(), 32);
    EXPECT_EQ(window.Button8->cursor().shape(), Qt::PointingHandCursor);

    const QObjectList& stack = mainWindow->children();
    const auto depth = [&](QObject* control) { return stack.indexOf(control); };
    EXPECT_EQ(depth(window.OvoWallPaperBMP1), 0) << "the background lies beneath everything";
    EXPECT_LT(depth(window.Label3), depth(window.Label2)) << "the shadow lies beneath";
    EXPECT_LT(depth(window.Label6), depth(window.Label1));
    EXPECT_LT(depth(window.Label5), depth(window.Label4));
    EXPECT_LT(depth(window.Label7), depth(window.Button1)) << "buttons lie above labels";

    std::vector<QWidget*> order{window.Button1};
    for (QWidget* next = window.Button1->nextInFocusChain(); next != window.Button1 && order.size() < 14;
         next = next->nextInFocusChain()) {
        if (qobject_cast<QPushButton*>(next))
            order.push_back(next);
    }
    const std::vector<QWidget*> expected{window.Button1, window.Button2, window.Button3,
        window.Button4, window.BitBtn1, window.Button5, window.Button6, window.Button7,
        window.Button8, window.Button9, window.Button10, window.Button11, window.Button12,
        window.Button13};
    EXPECT_EQ(order, expected);
}

TEST_F(MainWindowCreation, TheLinkSitsTopRightAndALeftClickOpensTheWebSiteOnce)
{
    MainWindowControls& window = createWindow();
    EXPECT_EQ(window.Label7->y(), 0);
    EXPECT_EQ(window.Label7->x() + window.Label7->width(), 360);

    QTest::mousePress(window.Label7, Qt::LeftButton);
    EXPECT_EQ(window.Label7->palette().color(QPalette::WindowText), QColor(255, 255, 0));
    EXPECT_TRUE(shell->opened.empty());
    QTest::mouseRelease(window.Label7, Qt::LeftButton);
    EXPECT_EQ(window.Label7->palette().color(QPalette::WindowText), QColor(0, 255, 0));
    ASSERT_EQ(shell->opened.size(), 1u);
    EXPECT_EQ(shell->opened.front(), window.Label7->text().toStdString());

    for (const auto button : {Qt::RightButton, Qt::MiddleButton})
        QTest::mouseClick(window.Label7, button);
    EXPECT_EQ(shell->opened.size(), 1u) << "other buttons open nothing";
    // A double click as the mouse makes it: press, release, double-click, release.
    QTest::mouseClick(window.Label7, Qt::LeftButton);
    QTest::mouseDClick(window.Label7, Qt::LeftButton);
    QTest::mouseRelease(window.Label7, Qt::LeftButton);
    EXPECT_EQ(shell->opened.size(), 2u) << "a double click opens the site once";
}

TEST_F(MainWindowCreation, TheMenuItemsCarryTheirCaptionsAndPictures)
{
    MainWindowControls& window = createWindow();
    EXPECT_EQ(window.GenerateaQuiz1->text(), "&Make a Quiz...");
    EXPECT_EQ(window.Settings1->text(), "&Settings...");
    EXPECT_EQ(window.CheckforUpdate1->text(), "&Check for Updates...");
    EXPECT_EQ(window.About1->text(), "&About...");
    const auto caption = [&](const char* item) { return mainWindow->findChild<QAction*>(item)->text(); };
    EXPECT_EQ(caption("Progress1"), "&Progress...");
    EXPECT_EQ(caption("ChangePupil1"), "C&hange Pupil...");
    EXPECT_EQ(caption("Classroom1"), "C&lassroom...");
    EXPECT_FALSE(mainWindow->findChild<QAction*>("ChangePupil1")->isVisible()) << "pupils are off";
    window.PopupMenu1->popup(mainWindow->mapToGlobal(QPoint(10, 10)));
    for (QAction* item : window.PopupMenu1->actions())
        EXPECT_FALSE(item->icon().isNull()) << item->objectName().toStdString();
    window.PopupMenu1->hide();
    EXPECT_FALSE(window.BitBtn1->icon().isNull());
}

// A creation step that fails keeps its item's design value; the menus still come, so the
// settings window that repairs it can be reached. One box tells what went wrong first.
TEST_F(MainWindowCreation, AFailingStepIsReportedOnceAndTheMenusStillCome)
{
    QTemporaryDir folder;
    const std::string shortPack = nativeFilePath(folder.filePath("short.lng"));
    const std::string hugeDeclared = nativeFilePath(folder.filePath("huge.bmp"));
    {
        std::ofstream(shortPack, std::ios::binary) << "OK\nCancel\nOn\nOff\nAdd\nSub\nMul\nDiv\nMenu\nQuiz\n";
        // Headers only, declaring 30000 x 30000 pixels of 24 bits.
        std::string bmp = std::string("BM") + std::string(12, '\0');
        bmp[10] = 54;
        std::string info(40, '\0');
        info[0] = 40;
        info[4] = static_cast<char>(30000 & 0xFF), info[5] = static_cast<char>(30000 >> 8);
        info[8] = static_cast<char>(30000 & 0xFF), info[9] = static_cast<char>(30000 >> 8);
        info[12] = 1, info[14] = 24;
        std::ofstream(hugeDeclared, std::ios::binary) << bmp << info << std::string(64, '\x7F');
    }
    struct Case {
        const char* what;
        const char* value;
        std::string text;
        QString error;
    };
    const Case cases[] = {
        {"missing pack", "Language Pack", "/nowhere/english.lng", "Cannot open file /nowhere/english.lng."},
        {"short pack", "Language Pack", shortPack, "List index out of bounds (13)"},
        {"no bitmap", "Background Image", mediaFile("english.lng"), "Bitmap image is not valid."},
        {"huge bitmap", "Background Image", hugeDeclared, "Bitmap image is not valid."},
        {"no colour", "Text Foreground Color", "white", "'white' is not a valid integer value."},
    };
    for (const Case& broken : cases) {
        SCOPED_TRACE(broken.what);
        dialogs->errors.clear();
        const std::string kept = store->ReadString("Interface", broken.value, "");
        setInterface(broken.value, broken.text);
        MainWindowControls& window = createWindow();
        setInterface(broken.value, kept);

        EXPECT_EQ(dialogs->errors, QStringList{broken.error});
        EXPECT_EQ(mainWindow->windowTitle(), "Calcora 2.01");
        runTimer(window.Timer1);
        EXPECT_TRUE(window.BitBtn1->isVisible());
        EXPECT_EQ(window.BitBtn1->y(), 130) << "the menu button has arrived";
        EXPECT_EQ(window.Button4->pos(), QPoint(250, 130));
        EXPECT_TRUE(window.Button4->isVisible());
        EXPECT_EQ(dialogs->errors.size(), 1) << "the slide-in adds no box";
    }
}

TEST_F(MainWindowCreation, EachFailedItemKeepsItsDesignValueAndTheOthersTheirs)
{
    setInterface("Background Image", mediaFile("english.lng"));
    MainWindowControls& window = createWindow();
    EXPECT_TRUE(window.OvoWallPaperBMP1->Bitmap().isNull()) << "no picture";
    EXPECT_EQ(window.Button1->text(), "Addition (+)") << "the steps after the picture ran";
    EXPECT_EQ(window.GenerateaQuiz1->text(), "&Make a Quiz...");

    setInterface("Background Image", mediaFile("bg.bmp"));
    setInterface("Language Pack", "/nowhere/english.lng");
    MainWindowControls& withoutTexts = createWindow();
    EXPECT_TRUE(withoutTexts.Button1->text().isEmpty()) << "an empty caption";
    EXPECT_FALSE(withoutTexts.OvoWallPaperBMP1->Bitmap().isNull()) << "the picture still came";
}

TEST_F(MainWindowCreation, TheWallpaperShowsTheBackgroundPicture)
{
    MainWindowControls& window = createWindow();
    QImage tile(mediaFile("bg.bmp").c_str(), "BMP");
    const QImage shown = window.OvoWallPaperBMP1->grab().toImage();
    EXPECT_EQ(shown.size(), QSize(360, 165));
    EXPECT_EQ(shown.pixelColor(3, 5), tile.pixelColor(3, 5));
    EXPECT_EQ(shown.pixelColor(64 + 3, 64 + 5), tile.pixelColor(3, 5));
}

} // namespace
