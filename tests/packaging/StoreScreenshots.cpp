// Pictures of the real windows for software centres, as the metainfo's screenshots show them:
// drawn at twice the pixel density, as on a high-density screen, and saved into the build
// folder's screenshots/ as store-*.png. share/screenshots/ holds copies of them.

#include "QuizFixture.h"
#include "Screenshots.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTest>

namespace {

class StoreScreenshots : public QuizFixture {
protected:
    StoreScreenshots() { setInterface("Animated Buttons", "No"); }

    static void save(QWidget& window, const char* name)
    {
        QPixmap picture(window.size() * 2);
        picture.setDevicePixelRatio(2);
        window.render(&picture);
        // The smallest file: these pictures are committed.
        EXPECT_TRUE(picture.save(screenshotPath(QString("store-") + name + ".png"), "PNG", 0)) << name;
    }
};

TEST_F(StoreScreenshots, DrillLevelsAndQuiz)
{
    MainWindowControls& window = createWindow();
    window.Button1->click();
    save(*mainWindow, "levels");

    random->script({6, 4, 0, 0, 0, 1, 1, 2, 2}); // 7 + 5, with 12 on the first button
    window.Button5->click();
    QTest::mouseClick(window.Button8, Qt::LeftButton);
    ASSERT_EQ(window.Label1->text(), "7 + 5 = 12");
    save(*mainWindow, "drill");

    SeededRandom seeded(40);
    ComposerUnderTest composer(composerServices(&seeded));
    composer.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&composer));
    save(composer, "quiz-composer");
    composer.Button1->click();
    ASSERT_EQ(composer.documents.size(), 1u);
    TForm3& document = openDocument(composer.documents[0]);
    save(document, "quiz");
    EXPECT_TRUE(dialogs->errors.isEmpty()) << dialogs->errors.join("\n").toStdString();
}

} // namespace
