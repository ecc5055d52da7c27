#include "Dialogs.h"
#include "DisplayText.h"
#include "FontColorDialog.h"
#include "QtSoundPlayer.h"
#include "TooltipTiming.h"
#include "WindowTimer.h"

#include <QApplication>
#include <QSoundEffect>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

TEST(DisplayText, ReadsUtf8WhenValidAndLatin1Otherwise)
{
    EXPECT_EQ(displayText("Caf\xC3\xA9"), QString::fromUtf8("Caf\u00e9"));
    EXPECT_EQ(displayText("Caf\xE9"), QString::fromUtf8("Caf\u00e9"));
    EXPECT_EQ(displayText("Gr\xFC\xDF" "e \xC3"), QString::fromUtf8("Gr\u00fc\u00dfe \u00c3"));
    EXPECT_EQ(displayText("plain"), "plain");
    EXPECT_EQ(displayText(std::string_view("a\0b", 3)).size(), 3);
}

TEST(DisplayText, FilePathsKeepTheirBytes)
{
    for (const std::string path : {"/opt/calcora/bg.bmp", "/home/p\xC3\xBCpil/x.wav", "/a b/[x]=y.lng"})
        EXPECT_EQ(nativeFilePath(qtFilePath(path)), path);
}

TEST(WindowTimer, NeverTicksFasterThanEveryTenMilliseconds)
{
    QTimer timer;
    setWindowTimerInterval(timer, 1);
    EXPECT_EQ(timer.interval(), 10);
    setWindowTimerInterval(timer, 50);
    EXPECT_EQ(timer.interval(), 50);
    EXPECT_EQ(windowTimerInterval(200), 200);
    EXPECT_EQ(windowTimerInterval(0), 10);
}

TEST(TooltipTiming, TooltipsComeUpAtOnce)
{
    QStyle* const previous = QApplication::style();
    const QString previousName = previous->name();
    installTooltipTiming(*qApp);
    EXPECT_EQ(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), kTooltipShowDelay);
    QApplication::setStyle(previousName);
}

TEST(SoundPlayer, TheShippedSoundsDecode)
{
    for (const char* name : {"wind", "elevator", "fall", "wrong", "correct", "next", "nose"}) {
        SCOPED_TRACE(name);
        QSoundEffect effect;
        effect.setSource(QUrl::fromLocalFile(QString(CALCORA_MEDIA_DIR "/%1.wav").arg(name)));
        EXPECT_TRUE(QTest::qWaitFor([&] { return effect.status() != QSoundEffect::Loading; }, 5000));
        EXPECT_EQ(effect.status(), QSoundEffect::Ready);
    }
}

TEST(SoundPlayer, PassesOverFilesThatAreNotThere)
{
    QtSoundPlayer player;
    player.Play("/no/such/sound.wav");
    player.Play("");
    player.Play(CALCORA_MEDIA_DIR "/next.wav");
    player.Play(CALCORA_MEDIA_DIR "/correct.wav");
}

} // namespace

namespace {

TEST(FileDialogFilter, PipeSeparatedTypesBecomeQtFilters)
{
    EXPECT_EQ(qtNameFilters("Web page (*.htm)|*.htm|Text file (*.txt)|*.txt"),
              (QStringList{"Web page (*.htm)", "Text file (*.txt)"}));
    EXPECT_EQ(qtNameFilters("Bitmap pictures|*.bmp"), QStringList{"Bitmap pictures (*.bmp)"});
    EXPECT_EQ(qtNameFilters("Dangling"), QStringList{});
}

} // namespace

namespace {

TEST(FontColorDialog, StartsAtTheGivenFontAndColour)
{
    QFont font("DejaVu Sans");
    font.setPointSize(14);
    font.setItalic(true);
    const FontColorDialog dialog({font, QColor(255, 0, 0)}, nullptr);
    const FontChoice choice = dialog.choice();
    EXPECT_EQ(choice.font.family(), "DejaVu Sans");
    EXPECT_EQ(choice.font.pointSize(), 14);
    EXPECT_TRUE(choice.font.italic());
    EXPECT_EQ(choice.color, QColor(255, 0, 0));
}

} // namespace
