#include "MainWindowFixture.h"
#include "OvoWallPaperBMP.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <fstream>

namespace {

using MainWindowCreation = MainWindowFixture;

TEST_F(MainWindowCreation, BuildsTheFixedWindowWithEveryNamedControl)
{
    TForm1& window = createWindow();
    EXPECT_EQ(window.objectName(), "Form1");
    EXPECT_EQ(window.windowTitle(), "Calcora 2.01");
    EXPECT_EQ(window.size(), QSize(360, 165));
    EXPECT_EQ(window.minimumSize(), window.maximumSize()) << "the size is fixed";
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(pack->Count(), 67);
    EXPECT_TRUE(dialogs->errors.isEmpty()) << dialogs->errors.join("\n").toStdString();

    for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7"})
        EXPECT_NE(window.findChild<QLabel*>(name), nullptr) << name;
    for (int number = 1; number <= 13; ++number) {
        const QString name = QString("Button%1").arg(number);
        EXPECT_NE(window.findChild<QPushButton*>(name), nullptr) << name.toStdString();
    }
    for (const char* name : {"Timer1", "Timer2", "Timer3", "Sound"})
        EXPECT_NE(window.findChild<QTimer*>(name), nullptr) << name;
    for (const char* name : {"GenerateaQuiz1", "Settings1", "CheckforUpdate1", "About1"})
        EXPECT_NE(window.findChild<QAction*>(name), nullptr) << name;
    EXPECT_NE(window.findChild<TOvoWallPaperBMP*>("OvoWallPaperBMP1"), nullptr);
    EXPECT_NE(window.findChild<QPushButton*>("BitBtn1"), nullptr);
    EXPECT_NE(window.findChild<QMenu*>("PopupMenu1"), nullptr);
}

TEST_F(MainWindowCreation, PlacesControlsAsDesignedAndStacksButtonsAboveLabels)
{
    TForm1& window = createWindow();
    EXPECT_EQ(window.Button8->geometry(), QRect(16, 48, 70, 60));
    EXPECT_EQ(window.Button11->geometry(), QRect(274, 48, 70, 60));
    EXPECT_EQ(window.Button12->geometry(), QRect(274, 128, 70, 25));
    EXPECT_EQ(window.Button13->geometry(), QRect(16, 128, 70, 25));
    EXPECT_EQ(window.Button5->geometry(), QRect(20, -30, 100, 25));
    EXPECT_EQ(window.Button8->font().pixelSize(), 24);
    EXPECT_EQ(window.Label1->font().pixelSize(), 19);
    EXPECT_EQ(window.Label2->font().pixelSize(), 32);
    EXPECT_EQ(window.Button8->cursor().shape(), Qt::PointingHandCursor);

    const QObjectList& stack = window.children();
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

TEST_F(MainWindowCreation, TheLinkSitsTopRightAndOpensTheWebSite)
{
    TForm1& window = createWindow();
    EXPECT_EQ(window.Label7->y(), 0);
    EXPECT_EQ(window.Label7->x() + window.Label7->width(), 360);

    QTest::mousePress(window.Label7, Qt::LeftButton);
    EXPECT_EQ(window.Label7->palette().color(QPalette::WindowText), QColor(255, 255, 0));
    EXPECT_TRUE(shell->opened.empty());
    QTest::mouseRelease(window.Label7, Qt::LeftButton);
    EXPECT_EQ(window.Label7->palette().color(QPalette::WindowText), QColor(0, 255, 0));
    ASSERT_EQ(shell->opened.size(), 1u);
    EXPECT_EQ(shell->opened.front(), window.Label7->text().toStdString());
}

TEST_F(MainWindowCreation, TheMenuItemsCarryTheirCaptionsAndPictures)
{
    TForm1& window = createWindow();
    EXPECT_EQ(window.GenerateaQuiz1->text(), "Make a Quiz...");
    EXPECT_EQ(window.Settings1->text(), "Settings...");
    EXPECT_EQ(window.CheckforUpdate1->text(), "Check for Updates...");
    EXPECT_EQ(window.About1->text(), "About...");
    for (QAction* item : window.PopupMenu1->actions())
        EXPECT_FALSE(item->icon().isNull()) << item->objectName().toStdString();
    EXPECT_FALSE(window.BitBtn1->icon().isNull());
}

TEST_F(MainWindowCreation, AMissingLanguagePackLeavesTheWindowWithoutTexts)
{
    setInterface("Language Pack", "/nowhere/english.lng");
    TForm1& window = createWindow();
    EXPECT_EQ(dialogs->errors, QStringList{"Cannot open file /nowhere/english.lng."});
    EXPECT_EQ(dialogs->errorTitles, QStringList{"Calcora"});
    EXPECT_TRUE(window.windowTitle().isEmpty());
    EXPECT_TRUE(window.Button1->text().isEmpty());
    EXPECT_EQ(window.Button1->x(), 390) << "the menu stays outside the window";
    EXPECT_FALSE(window.Timer1->isActive());
    EXPECT_TRUE(window.isVisible()) << "the window still opens";
}

TEST_F(MainWindowCreation, ABackgroundThatIsNoBitmapStopsBeforeTheMenus)
{
    const std::string fake = mediaFile("english.lng");
    setInterface("Background Image", fake);
    TForm1& window = createWindow();
    EXPECT_EQ(dialogs->errors, QStringList{"Bitmap image is not valid."});
    EXPECT_EQ(window.windowTitle(), "Calcora 2.01") << "the steps before the picture ran";
    EXPECT_TRUE(window.Button1->text().isEmpty()) << "the steps after it did not";
    EXPECT_FALSE(window.Timer1->isActive());
    EXPECT_TRUE(window.GenerateaQuiz1->text().isEmpty());
}

TEST_F(MainWindowCreation, AColourThatIsNoColourIsReportedWhereItIsUsed)
{
    setInterface("Text Foreground Color", "clSunshine");
    createWindow();
    EXPECT_EQ(dialogs->errors, QStringList{"'clSunshine' is not a valid integer value."});
}

TEST_F(MainWindowCreation, TheWallpaperShowsTheBackgroundPicture)
{
    TForm1& window = createWindow();
    QImage tile(mediaFile("bg.bmp").c_str(), "BMP");
    const QImage shown = window.OvoWallPaperBMP1->grab().toImage();
    EXPECT_EQ(shown.size(), QSize(360, 165));
    EXPECT_EQ(shown.pixelColor(3, 5), tile.pixelColor(3, 5));
    EXPECT_EQ(shown.pixelColor(64 + 3, 64 + 5), tile.pixelColor(3, 5));
}

} // namespace
