#include "Dialogs.h"
#include "DisplayText.h"
#include "FirstPaint.h"
#include "FontColorDialog.h"
#include "ModalWindow.h"
#include "QtSoundPlayer.h"
#include "TooltipTiming.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QFileDialog>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSoundEffect>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>
#include <QUrl>

#include <sys/stat.h>

#include <gtest/gtest.h>

namespace {

TEST(DisplayText, ReadsUtf8WhenValidAndWindows1252Otherwise)
{
    EXPECT_EQ(displayText("Caf\xC3\xA9"), QString::fromUtf8("Caf\u00e9"));
    EXPECT_EQ(displayText("Caf\xE9"), QString::fromUtf8("Caf\u00e9"));
    EXPECT_EQ(displayText("Gr\xFC\xDF" "e \xC3"), QString::fromUtf8("Gr\u00fc\u00dfe \u00c3"));
    // A pack written on Windows: curly quotes, dashes, the ellipsis and the euro sign.
    EXPECT_EQ(displayText("\x93Weiter\x94 \x96 5 \x80\x85 \x91x\x92 \x8A\x9F"),
              QString::fromUtf8("\u201cWeiter\u201d \u2013 5 \u20ac\u2026 \u2018x\u2019 \u0160\u0178"));
    EXPECT_EQ(displayText("\x81\x8D\x8F\x90\x9D\xE9").size(), 6) << "unused codes keep their place";
    EXPECT_EQ(displayText("plain"), "plain");
    EXPECT_EQ(displayText(std::string_view("a\0b", 3)).size(), 3);
}

TEST(DisplayText, FilePathsKeepTheirBytes)
{
    for (const std::string path : {"/opt/calcora/bg.bmp", "/home/p\xC3\xBCpil/x.wav", "/a b/[x]=y.lng"})
        EXPECT_EQ(nativeFilePath(qtFilePath(path)), path);
}

TEST(TooltipTiming, TooltipsComeUpAtOnceAndStayTenSecondsWhateverTheirLength)
{
    const QString previousStyle = QApplication::style()->name();
    installTooltipTiming(*qApp);
    EXPECT_EQ(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), kTooltipShowDelay);

    // Left to itself, Qt keeps a tip of 300 characters up for 18 seconds.
    QWidget widget;
    widget.setToolTip(QString(300, 'x'));
    widget.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
    QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), widget.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&widget, &help);
    ASSERT_TRUE(QToolTip::isVisible());
    QWidget* tip = nullptr;
    for (QWidget* candidate : QApplication::topLevelWidgets()) {
        if (candidate->objectName() == "qtooltip_label" && candidate->isVisible())
            tip = candidate;
    }
    ASSERT_NE(tip, nullptr);
    std::vector<int> intervals;
    for (const auto& timer : QAbstractEventDispatcher::instance()->registeredTimers(tip))
        intervals.push_back(timer.interval);
    EXPECT_EQ(intervals, std::vector<int>{kTooltipDisplayTime}) << "the one timer that hides it";
    EXPECT_EQ(kTooltipDisplayTime, 10000);
    QToolTip::hideText();
    QApplication::setStyle(previousStyle);
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

TEST(SoundPlayer, ANewSoundCutsOffTheOldAndFilesThatAreNoSoundsArePassedOver)
{
    QTemporaryDir folder;
    const std::string pipe = nativeFilePath(folder.filePath("pipe.wav"));
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    QtSoundPlayer player;
    player.Play(CALCORA_MEDIA_DIR "/next.wav");
    EXPECT_EQ(player.nowPlaying(), CALCORA_MEDIA_DIR "/next.wav");
    player.Play(CALCORA_MEDIA_DIR "/correct.wav");
    EXPECT_EQ(player.nowPlaying(), CALCORA_MEDIA_DIR "/correct.wav");
    for (const std::string& notASound : {std::string("/no/such/sound.wav"), std::string(), pipe,
                                         nativeFilePath(folder.path())}) {
        SCOPED_TRACE(notASound);
        player.Play(CALCORA_MEDIA_DIR "/next.wav");
        player.Play(notASound);
        EXPECT_EQ(player.nowPlaying(), "") << "the sound before is cut off, and nothing plays";
    }
}

} // namespace

namespace {

// The real save dialog, driven as a user would: choose a file type, type a name, accept.
TEST(SaveDialog, ANameWithoutExtensionTakesTheChosenTypesOne)
{
    QTemporaryDir folder;
    const auto real = createQtDialogs();
    const FileDialogRequest request{{}, folder.path(), "Web page (*.htm)|*.htm|Text file (*.txt)|*.txt", "htm"};
    struct Case {
        const char* type;
        const char* typed;
        const char* saved;
    };
    const Case cases[] = {
        {"Text file (*.txt)", "quiz", "quiz.txt"},
        {"Web page (*.htm)", "quiz", "quiz.htm"},
        {"Text file (*.txt)", "quiz.htm", "quiz.htm"},
        {"Web page (*.htm)", "notes.text", "notes.text"},
    };
    for (const Case& choice : cases) {
        SCOPED_TRACE(choice.typed);
        std::optional<QString> saved;
        withModalWindow<QFileDialog>([&] { saved = real->getSaveFileName(nullptr, request); },
                                     [&](QFileDialog& dialog) {
                                         dialog.selectNameFilter(choice.type);
                                         if (auto* nameBox = dialog.findChild<QLineEdit*>("fileNameEdit"))
                                             nameBox->setText(choice.typed);
                                         // What pressing the dialog's Save button does.
                                         QMetaObject::invokeMethod(&dialog, "accept");
                                     });
        ASSERT_TRUE(saved.has_value());
        EXPECT_EQ(*saved, folder.filePath(choice.saved));
    }
}

TEST(FirstPaint, WorkWaitsForTheFirstFrameAndRunsOnce)
{
    QWidget window;
    window.resize(100, 50);
    QLabel label("text", &window);
    int runs = 0;
    afterFirstPaint(window, [&] { ++runs; });
    QApplication::processEvents();
    EXPECT_EQ(runs, 0) << "nothing painted yet";
    window.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return runs > 0; }, 10000));
    for (int repaint = 0; repaint < 3; ++repaint) {
        window.repaint();
        label.repaint();
        QApplication::processEvents();
    }
    EXPECT_EQ(runs, 1);
}

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
