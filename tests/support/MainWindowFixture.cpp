#include "MainWindowFixture.h"

#include "ConfigDefaults.h"
#include "ProgramDirectory.h"
#include "Screenshots.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>

MainWindowFixture::MainWindowFixture()
{
    prepareStore(*store, CALCORA_MEDIA_DIR, fileExists);
}

TForm1& MainWindowFixture::createWindow()
{
    form = std::make_unique<TForm1>();
    form->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
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
        form->SoundTimer();
}

int MainWindowFixture::runTimer(QTimer* timer, void (TForm1::*tick)(), int maxTicks)
{
    int moving = 0;
    for (int ticks = 0; timer->isActive() && ticks < maxTicks; ++ticks) {
        std::vector<QPoint> before;
        const auto buttons = form->findChildren<QPushButton*>();
        for (const QPushButton* button : buttons)
            before.push_back(button->pos());
        (form.get()->*tick)();
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
    EXPECT_TRUE(saveScreenshot(*form, QString("main-") + name)) << name;
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
