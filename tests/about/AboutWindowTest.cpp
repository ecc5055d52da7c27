#include "AboutFixture.h"

#include "CRPanel.h"
#include "ClickSpot.h"
#include "MenuWindows.h"
#include "ModalWindow.h"
#include "ProgramDirectory.h"
#include "QtSoundPlayer.h"
#include "ScreenReaderProbe.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTimer>

namespace {

using AboutWindow = AboutFixture;

QString programFolderFile(const char* name)
{
    return QDir::toNativeSeparators(QDir(QCoreApplication::applicationDirPath()).filePath(name));
}

TEST_F(AboutWindow, PlacesEveryControlAsDesigned)
{
    TForm6& window = openAbout();
    EXPECT_EQ(window.objectName(), "Form6");
    EXPECT_EQ(window.windowTitle(), "About Calcora");
    EXPECT_EQ(window.size(), QSize(253, 120));
    EXPECT_EQ(window.minimumSize(), window.maximumSize()) << "the size is fixed";
    EXPECT_FALSE(window.windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint));
    const QPoint screenCentre = QGuiApplication::primaryScreen()->availableGeometry().center();
    EXPECT_LE((window.geometry().center() - screenCentre).manhattanLength(), 4) << "centred on the screen";
    EXPECT_TRUE(dialogs->errors.isEmpty()) << dialogs->errors.join("\n").toStdString();

    const std::vector<std::pair<const char*, QRect>> places = {
        {"Bevel1", {8, 8, 34, 34}},    {"Image1", {8, 8, 32, 32}},       {"Image2", {10, 20, 8, 5}},
        {"CRPanel1", {48, 8, 200, 73}}, {"BitBtn1", {174, 88, 75, 25}},
    };
    for (const auto& [name, place] : places) {
        const auto* control = window.findChild<QWidget*>(name);
        ASSERT_NE(control, nullptr) << name;
        EXPECT_EQ(control->geometry(), place) << name;
        EXPECT_EQ(control->parentWidget(), &window) << name;
    }
    const QObjectList& stack = window.children();
    EXPECT_LT(stack.indexOf(window.Bevel1), stack.indexOf(window.Image1)) << "the frame lies beneath the icon";
    EXPECT_LT(stack.indexOf(window.Image1), stack.indexOf(window.Image2)) << "the spot lies on the icon";
    EXPECT_EQ(window.Bevel1->frameShadow(), QFrame::Sunken);
    EXPECT_EQ(window.BitBtn1->text(), "&OK");
    EXPECT_TRUE(window.BitBtn1->isDefault());
}

TEST_F(AboutWindow, ScrollsTheCreditsFromBelowOnTheButtonFaceColour)
{
    TForm6 window(aboutServices());
    window.show(); // the panel restarts as the window shows, before any frame runs
    EXPECT_EQ(window.CRPanel1->Scroll().TopLine, 0u);
    EXPECT_EQ(window.CRPanel1->Scroll().ScrollOffset, 73);

    const std::vector<std::pair<const char*, QVariant>> settings = {
        {"Active", true},
        {"Interval", 1},
        {"UseGradient", false},
        {"DrawGlyph", false},
        {"GlyphDrawType", QVariant::fromValue(TCRPanel::dgStrech)},
        {"BeginColor", QColor(Qt::black)},
        {"EndColor", QColor(Qt::black)},
        {"Color", window.palette().color(QPalette::Button)},
    };
    for (const auto& [name, value] : settings)
        EXPECT_EQ(window.CRPanel1->property(name), value) << name;
    EXPECT_TRUE(window.CRPanel1->findChild<QTimer*>("ScrollTimer")->isActive());
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.CRPanel1->Scroll().ScrollOffset < 70; }, 20000))
        << "the credits move by themselves";
}

TEST_F(AboutWindow, CreditsFollowTheirStructureThenTheTotals)
{
    const char* const blank = "^ $";
    const char* const person = "^  [A-Z][a-z]+ [A-Z][a-z]+$";
    const char* const email = "^  [a-z.]+@[a-z.-]+\\.(example|org)$";
    const std::vector<const char*> shapes = {
        "^<b><nblue>Calcora 2\\.01</n></b>$",
        blank, blank, "^<b>Programming:</b>$", person, email,
        blank, blank, "^<b>Beta Testing:</b>$", person, email,
        blank, blank, "^<b>Support:</b>$", email,
        blank, blank, "^<b>Tovik Software</b>$", "^     <u>www\\.tovik-software\\.example</u>$",
        blank, blank, blank, blank, "^<b>Made in [A-Z][a-z]+</b>$",
        blank, blank, blank, blank, blank,
        "^Correct answers: <b>\\d*</b>$", "^Wrong answers: <b>\\d*</b>$",
    };
    const QStringList lines = openAbout().CRPanel1->Strings();
    ASSERT_EQ(lines.size(), static_cast<qsizetype>(shapes.size()));
    for (std::size_t index = 0; index < shapes.size(); ++index)
        EXPECT_TRUE(QRegularExpression(shapes[index]).match(lines[static_cast<qsizetype>(index)]).hasMatch())
            << index << ": \"" << lines[static_cast<qsizetype>(index)].toStdString() << '"';
}

TEST_F(AboutWindow, TheTotalsComeLastWithTheirNumbersInBold)
{
    const std::vector<std::tuple<const char*, const char*, QString, QString>> table = {
        {"12", "3", "Correct answers: <b>12</b>", "Wrong answers: <b>3</b>"},
        {"0", "0", "Correct answers: <b>0</b>", "Wrong answers: <b>0</b>"},
        {nullptr, nullptr, "Correct answers: <b></b>", "Wrong answers: <b></b>"},
    };
    for (const auto& [correct, wrong, correctLine, wrongLine] : table) {
        store = std::make_unique<MemoryConfigStore>();
        if (correct)
            store->WriteString("Stats", "Correct", correct);
        if (wrong)
            store->WriteString("Stats", "Wrong", wrong);
        const QStringList lines = openAbout().CRPanel1->Strings();
        ASSERT_EQ(lines.size(), 31);
        EXPECT_EQ(lines[29], correctLine);
        EXPECT_EQ(lines[30], wrongLine);
    }
}

TEST_F(AboutWindow, AScreenReaderReadsTheCreditsAndTheTotalsWithoutTheirTags)
{
    store->WriteString("Stats", "Correct", "12");
    store->WriteString("Stats", "Wrong", "3");
    const QStringList read = accessibleName(openAbout().CRPanel1).split('\n');
    ASSERT_GE(read.size(), 3);
    EXPECT_EQ(read.front(), "Calcora 2.01");
    EXPECT_TRUE(read.contains("Programming:"));
    EXPECT_EQ(read[read.size() - 2], "Correct answers: 12");
    EXPECT_EQ(read.back(), "Wrong answers: 3");
    EXPECT_FALSE(read.contains("")) << "no blank lines";
}

TEST_F(AboutWindow, TheMenuItemOpensANewWindowWithTheTotalsOnceEachTime)
{
    store->WriteString("Stats", "Correct", "12");
    store->WriteString("Stats", "Wrong", "3");
    MainWindowControls& mainControls = createWindow();
    EXPECT_FALSE(mainControls.About1->isEnabled()) << "no window attached yet";
    attachMenuWindows(*mainWindow, services());
    ASSERT_TRUE(mainControls.About1->isEnabled());

    std::vector<QStringList> shown;
    const auto openAndClose = [&] {
        withModalWindow<TForm6>([&] { mainControls.About1->trigger(); }, [&](TForm6& window) {
            EXPECT_EQ(window.parentWidget(), mainWindow.get());
            shown.push_back(window.CRPanel1->Strings());
            window.BitBtn1->click();
        });
    };
    openAndClose();
    openAndClose();
    ASSERT_EQ(shown.size(), 2u);
    for (const QStringList& lines : shown) {
        EXPECT_EQ(lines.size(), 31);
        EXPECT_EQ(lines.filter("Correct answers").size(), 1);
        EXPECT_EQ(lines.back(), "Wrong answers: <b>3</b>");
    }
    EXPECT_TRUE(mainWindow->findChildren<TForm6*>().isEmpty()) << "each window is gone once closed";
}

TEST_F(AboutWindow, HoldingAMouseButtonOnTheCreditsHoldsThemWhereTheyAre)
{
    TForm6& window = openAbout();
    TCRPanel& panel = *window.CRPanel1;
    const auto* timer = panel.findChild<QTimer*>("ScrollTimer");
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        SCOPED_TRACE(button);
        for (int frame = 0; frame < 5; ++frame)
            panel.ScrollTimerTimer();
        QTest::mousePress(&panel, button, {}, QPoint(100, 30));
        EXPECT_EQ(panel.Interval(), 0);
        EXPECT_FALSE(timer->isActive()) << "no frames while the button is down";
        const auto held = std::pair{panel.Scroll().TopLine, panel.Scroll().ScrollOffset};

        QTest::mouseRelease(&panel, button, {}, QPoint(100, 30));
        EXPECT_EQ(panel.Interval(), 1);
        EXPECT_TRUE(timer->isActive());
        EXPECT_EQ(std::pair(panel.Scroll().TopLine, panel.Scroll().ScrollOffset), held) << "not started again";
        panel.ScrollTimerTimer();
        EXPECT_EQ(panel.Scroll().ScrollOffset, held.second - 1) << "on from the same place";
    }
}

TEST_F(AboutWindow, TheSpotOnTheIconPlaysTheNoseSoundFromTheProgramFolder)
{
    TForm6& window = openAbout();
    QTest::mouseClick(window.Image1, Qt::LeftButton, {}, QPoint(28, 4));
    EXPECT_TRUE(sounds->played.empty()) << "the icon beside the spot plays nothing";
    QTest::mouseClick(window.Image2, Qt::LeftButton, {}, QPoint(4, 2));
    EXPECT_EQ(sounds->played, std::vector<std::string>{programFolderFile("nose.wav").toStdString()});
    QTest::mouseClick(window.Image2, Qt::RightButton, {}, QPoint(4, 2));
    EXPECT_EQ(sounds->played.size(), 1u) << "a right click is no click";
}

TEST_F(AboutWindow, AMissingNoseSoundPlaysNothingAndSaysNothing)
{
    ASSERT_FALSE(fileExists(programFile("nose.wav"))) << "the test's program folder has no nose.wav";
    QtSoundPlayer realSound;
    TForm6& window = openAbout(&realSound);
    QTest::mouseClick(window.Image2, Qt::LeftButton, {}, QPoint(4, 2));
    EXPECT_TRUE(dialogs->errors.isEmpty()) << dialogs->errors.join("\n").toStdString();
    EXPECT_TRUE(window.isVisible());
}

TEST_F(AboutWindow, ShowsTheApplicationsIcon)
{
    QPixmap picture(64, 64);
    picture.fill(QColor(10, 200, 30));
    QApplication::setWindowIcon(QIcon(picture));
    TForm6& window = openAbout();
    QApplication::setWindowIcon(QIcon());
    const QImage shown = window.Image1->pixmap().toImage();
    EXPECT_EQ(shown.deviceIndependentSize().toSize(), QSize(32, 32));
    EXPECT_EQ(shown.pixelColor(shown.width() / 2, shown.height() / 2), QColor(10, 200, 30));
}

TEST_F(AboutWindow, OkClosesTheWindow)
{
    TForm6& window = openAbout();
    window.BitBtn1->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Accepted);
}

} // namespace
