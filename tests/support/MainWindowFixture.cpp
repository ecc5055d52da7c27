#include "MainWindowFixture.h"

#include "ConfigDefaults.h"
#include "MenuWindows.h"
#include "OvoWallPaperBMP.h"
#include "ProgramDirectory.h"
#include "Screenshots.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

template <class Control>
Control* named(TForm1& window, const char* name)
{
    auto* found = window.findChild<Control*>(name);
    EXPECT_NE(found, nullptr) << "the main window has no " << name;
    return found;
}

} // namespace

MainWindowControls::MainWindowControls(TForm1& window)
    : OvoWallPaperBMP1(named<TOvoWallPaperBMP>(window, "OvoWallPaperBMP1"))
    , Label1(named<QLabel>(window, "Label1"))
    , Label2(named<QLabel>(window, "Label2"))
    , Label3(named<QLabel>(window, "Label3"))
    , Label4(named<QLabel>(window, "Label4"))
    , Label5(named<QLabel>(window, "Label5"))
    , Label6(named<QLabel>(window, "Label6"))
    , Label7(named<QLabel>(window, "Label7"))
    , Button1(named<QPushButton>(window, "Button1"))
    , Button2(named<QPushButton>(window, "Button2"))
    , Button3(named<QPushButton>(window, "Button3"))
    , Button4(named<QPushButton>(window, "Button4"))
    , BitBtn1(named<QPushButton>(window, "BitBtn1"))
    , Button5(named<QPushButton>(window, "Button5"))
    , Button6(named<QPushButton>(window, "Button6"))
    , Button7(named<QPushButton>(window, "Button7"))
    , Button8(named<QPushButton>(window, "Button8"))
    , Button9(named<QPushButton>(window, "Button9"))
    , Button10(named<QPushButton>(window, "Button10"))
    , Button11(named<QPushButton>(window, "Button11"))
    , Button12(named<QPushButton>(window, "Button12"))
    , Button13(named<QPushButton>(window, "Button13"))
    , Timer1(named<QTimer>(window, "Timer1"))
    , Sound(named<QTimer>(window, "Sound"))
    , Timer2(named<QTimer>(window, "Timer2"))
    , Timer3(named<QTimer>(window, "Timer3"))
    , PopupMenu1(named<QMenu>(window, "PopupMenu1"))
    , GenerateaQuiz1(named<QAction>(window, "GenerateaQuiz1"))
    , Settings1(named<QAction>(window, "Settings1"))
    , CheckforUpdate1(named<QAction>(window, "CheckforUpdate1"))
    , About1(named<QAction>(window, "About1"))
{
}

bool MainWindowControls::operationMenuInView() const
{
    return Button1->x() == 10;
}

void tick(QTimer* timer)
{
    QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection);
}

MainWindowFixture::MainWindowFixture()
{
    prepareStore(*store, CALCORA_MEDIA_DIR, fileExists);
}

// The windows go before the services they were handed, and the history's thread before the
// link that hears it.
MainWindowFixture::~MainWindowFixture()
{
    form.reset();
    mainWindow.reset();
    history.reset();
}

ProgramServices MainWindowFixture::services()
{
    return {.store = *store, .pack = *pack, .appearance = *appearance, .dialogs = *dialogs,
            .sounds = *sounds, .shell = *shell, .random = *random, .history = *history, .clock = *clock,
            .pupils = *pupils, .classLink = *classLink};
}

MainWindowControls& MainWindowFixture::createWindow(RandomSource* source)
{
    form.reset();
    ProgramServices made = services();
    mainWindow = std::make_unique<TForm1>(mainWindowServices(
        {made.store, made.pack, made.appearance, made.dialogs, made.sounds, made.shell, source ? *source : made.random,
         made.history, made.clock, made.pupils, made.classLink}));
    form = std::make_unique<MainWindowControls>(*mainWindow);
    mainWindow->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(mainWindow.get()));
    return *form;
}

void MainWindowFixture::setInterface(const char* name, const std::string& text)
{
    store->WriteString("Interface", name, text);
}

std::string MainWindowFixture::stats(const char* name)
{
    return store->ReadString("Stats", name, "");
}

std::string MainWindowFixture::mediaFile(const std::string& name) const
{
    return std::string(CALCORA_MEDIA_DIR) + "/" + name;
}

void MainWindowFixture::fireSoundTimer()
{
    if (form->Sound->isActive())
        tick(form->Sound);
}

int MainWindowFixture::runTimer(QTimer* timer, int maxTicks)
{
    int moving = 0;
    for (int ticks = 0; timer->isActive() && ticks < maxTicks; ++ticks) {
        std::vector<QPoint> before;
        const auto buttons = mainWindow->findChildren<QPushButton*>();
        for (const QPushButton* button : buttons)
            before.push_back(button->pos());
        tick(timer);
        fireSoundTimer();
        for (qsizetype i = 0; i < buttons.size(); ++i) {
            if (buttons[i]->pos() != before[static_cast<std::size_t>(i)]) {
                ++moving;
                break;
            }
        }
    }
    return moving;
}

void MainWindowFixture::screenshot(const char* name)
{
    EXPECT_TRUE(saveScreenshot(*mainWindow, QString("main-") + name)) << name;
}

std::vector<std::string> MainWindowFixture::soundsPlayed()
{
    std::vector<std::string> names;
    for (const std::string& path : sounds->played) {
        std::string name = "unknown " + path;
        for (int number = 1; number <= 6; ++number) {
            if (store->ReadString("Interface", soundValueName(number), "") == path)
                name = soundValueName(number);
        }
        names.push_back(name);
    }
    return names;
}
