// The main window's menus: choosing an operation, the slide-in and slide-out of the
// operation menu, the drop-in of the level menu with its description, and their sounds.

#include "Unit1.h"

#include "ConfigDefaults.h"
#include "ConfigNames.h"
#include "DisplayText.h"
#include "LanguagePack.h"
#include "WindowValues.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

using namespace config;

namespace {

constexpr int kLevelDescriptionWidth = 225;

struct Slide {
    QPushButton* button;
    bool horizontal;
    int start;
    int home;
    int step;
};

int coordinate(const Slide& slide)
{
    return slide.horizontal ? slide.button->x() : slide.button->y();
}

void moveTo(const Slide& slide, int value)
{
    if (slide.horizontal)
        slide.button->move(value, slide.button->y());
    else
        slide.button->move(slide.button->x(), value);
}

} // namespace

void TForm1::Button1Click() { ChooseOperation(1); }
void TForm1::Button2Click() { ChooseOperation(2); }
void TForm1::Button3Click() { ChooseOperation(3); }
void TForm1::Button4Click() { ChooseOperation(4); }

void TForm1::ChooseOperation(int operation)
{
    if (ChoicePending)
        return;
    CurrentOperation = operation;
    ParkFocus();
    if (Timer1->isActive()) {
        ChoicePending = true;
        return;
    }
    if (switchIsOn(services_.store, kAnimatedButtons)) {
        Timer2->start();
        return;
    }
    HizayaGir();
    Button5->move(Button5->x(), 30);
    Button6->move(Button6->x(), 70);
    Button7->move(Button7->x(), 110);
    for (QPushButton* level : {Button5, Button6, Button7})
        level->show();
    ShowLevelDescription();
    Button5->setFocus();
}

void TForm1::Timer1Timer()
{
    const Slide slides[] = {
        {Button1, true, 390, 10, -20},
        {Button2, true, 390, 90, -20},
        {Button3, true, -110, 170, 20},
        {Button4, true, -110, 250, 20},
        {BitBtn1, false, 170, 130, -20},
    };
    for (const Slide& slide : slides) {
        if (coordinate(slide) == slide.home)
            continue;
        if (coordinate(slide) == slide.start) {
            slide.button->show();
            Sound->start();
        }
        moveTo(slide, coordinate(slide) + slide.step);
        return;
    }
    Timer1->stop();
    if (ChoicePending)
        Timer2->start();
    else
        Button1->setFocus();
}

void TForm1::Timer2Timer()
{
    // The four buttons leave upwards one after the other, then the menu button sinks.
    QPushButton* const leaving[] = {Button1, Button2, Button3, Button4};
    for (int index = 0; index < 4; ++index) {
        QPushButton* button = leaving[index];
        if (button->y() <= -25)
            continue;
        if (index == 0 && button->y() == 10)
            Sound->start();
        if (index > 0)
            leaving[index - 1]->hide();
        button->move(button->x(), button->y() - 10);
        return;
    }
    if (BitBtn1->y() < 170) {
        Button4->hide();
        BitBtn1->move(BitBtn1->x(), BitBtn1->y() + 10);
        return;
    }
    Timer2->stop();
    BitBtn1->hide();
    HizayaGir();
    Timer3->start();
}

void TForm1::Timer3Timer()
{
    const std::pair<QPushButton*, int> drops[] = {{Button5, 30}, {Button6, 70}, {Button7, 110}};
    for (const auto& [button, home] : drops) {
        if (button->y() == home)
            continue;
        if (button->y() == -30) {
            button->show();
            Sound->start();
            if (button == Button5)
                ShowLevelDescription();
        }
        button->move(button->x(), button->y() + 10);
        if (button == Button7 && button->y() == home)
            Button5->setFocus(); // the level menu has arrived
        return;
    }
}

void TForm1::ShowLevelDescription()
{
    SetLevelDescriptionText();
    Label5->move(Label4->pos() + QPoint(2, 2));
    Label5->show();
    Label4->show();
}

void TForm1::SetLevelDescriptionText()
{
    const LanguagePack& pack = services_.pack;
    // The pack's own line breaks are single carriage returns; the label shows them as breaks.
    // Built step by step, so that the texts are asked for in their order and a short pack
    // fails at the first line it lacks.
    constexpr PackLine kLevelDescriptions[] = {PackLine::LevelOneDescription, PackLine::LevelTwoDescription,
                                               PackLine::LevelThreeDescription};
    std::string description = pack.Get(PackLine::ChooseLevel) + "\r\r";
    for (int levelLine = 1; levelLine <= 3; ++levelLine) {
        description += pack.Get(PackLine::Level) + " " + std::to_string(levelLine) + ": ";
        description += pack.Get(kLevelDescriptions[levelLine - 1]);
        if (levelLine < 3)
            description += "\r";
    }
    QString shown = displayText(description);
    shown.replace(QChar('\r'), QChar('\n'));
    for (QLabel* label : {Label4, Label5}) {
        label->setText(shown);
        label->resize(kLevelDescriptionWidth, label->heightForWidth(kLevelDescriptionWidth));
    }
}

void TForm1::Recaption()
{
    SetMenuCaptions();
    if (OperationMenuInView()) {
        SetOperationMenuCaptions();
        return;
    }
    SetLevelMenuCaptions();
    SetLevelDescriptionText();
}

void TForm1::SoundTimer()
{
    Sound->stop();
    if (Timer1->isActive())
        PlaySound(soundValueName(1));
    else if (Timer2->isActive())
        PlaySound(soundValueName(2));
    else if (Timer3->isActive())
        PlaySound(soundValueName(3));
}
